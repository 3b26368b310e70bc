#!/usr/bin/env bash
# Local Firebird 3 server for the tests in which several workstations share one
# database. Works without systemd (CI machines have none).
#
#   scripts/fbserver.sh start    start the server (idempotent: already serving -> ok)
#   scripts/fbserver.sh stop     stop it
#   scripts/fbserver.sh status   report; exit 0 only when it serves and SYSDBA logs in
#   scripts/fbserver.sh dir      print the folder for server databases (creates it)
#   scripts/fbserver.sh check    create, open and drop a database through the server
#
# Facts the tests rely on:
#   address   127.0.0.1, port 3050 (the packaged firebird.conf binds to localhost)
#   login     user SYSDBA, password masterkey (Srp), set by "start" every time it
#             launches the server
#   folder    /tmp/mirabelta-fb (override with MIRABELTA_FB_SERVER_DIR), mode 2777,
#             group firebird. The server runs as user firebird and can read and
#             write every database in it, including files created there by root
#             through embedded access (the setgid bit gives them group firebird,
#             and Firebird creates database files 0660).
#   create    through the server, e.g.
#               create database '127.0.0.1:/tmp/mirabelta-fb/x.fdb'
#                 user 'SYSDBA' password 'masterkey' default character set UTF8;
#             then connect as 127.0.0.1:/tmp/mirabelta-fb/x.fdb.
#   caution   a file open through the server cannot be opened embedded at the same
#             time ("Database already opened with engine instance, incompatible
#             with current"), and vice versa: a test uses one way or the other per
#             file at any moment.
#
# Nothing in /etc/firebird is changed: the packaged defaults (AuthServer = Srp,
# UserManager = Srp, WireCrypt = Required on the server side, DatabaseAccess = Full)
# are what the tests need. The SYSDBA password is written into the security
# database with embedded isql-fb while the server is down, running as user
# firebird so that every lock file stays owned by firebird.
set -euo pipefail

FB_HOST=127.0.0.1
FB_PORT=3050
FB_USER=SYSDBA
FB_PASSWORD=masterkey
FB_DIR=${MIRABELTA_FB_SERVER_DIR:-/tmp/mirabelta-fb}

FB_RUN_USER=firebird
FBGUARD=/usr/sbin/fbguard
FBSERVER=/usr/sbin/firebird
SEC_DB=/var/lib/firebird/3.0/system/security3.fdb
LOCK_DIR=/tmp/firebird            # the engine's lock folder (Debian build default)
RUN_DIR=/run/firebird3.0
PID_FILE=$RUN_DIR/firebird.pid
LOG_DIR=/var/log/firebird
LOG_FILE=$LOG_DIR/firebird3.0.log
START_TIMEOUT=30

# Client tools must not pick up credentials from the caller's environment.
unset ISC_USER ISC_PASSWORD

say() { echo "fbserver: $*"; }
die() { echo "fbserver: ERROR: $*" >&2; exit 1; }

need_root() {
  [[ $(id -u) -eq 0 ]] && return 0
  if command -v sudo >/dev/null 2>&1; then
    exec sudo --preserve-env=MIRABELTA_FB_SERVER_DIR bash "$0" "$@"
  fi
  die "this needs root (or sudo) to manage the server as user $FB_RUN_USER"
}

port_open() {
  timeout 3 bash -c "exec 3<>/dev/tcp/$FB_HOST/$FB_PORT" 2>/dev/null
}

login_ok() {
  (cd / && timeout 10 fbsvcmgr "$FB_HOST/$FB_PORT:service_mgr" \
      -user "$FB_USER" -password "$FB_PASSWORD" -info_server_version) >/dev/null 2>&1
}

server_pids() {
  pidof "$FBGUARD" "$FBSERVER" 2>/dev/null || true
}

show_log() {
  if [[ -r $LOG_FILE ]]; then
    echo "---- last lines of $LOG_FILE ----" >&2
    tail -n 20 "$LOG_FILE" >&2 || true
    echo "----" >&2
  fi
}

prepare_test_dir() {
  install -d -m 2777 -g "$FB_RUN_USER" "$FB_DIR"
  chgrp "$FB_RUN_USER" "$FB_DIR"
  chmod 2777 "$FB_DIR"
}

prepare_dirs() {
  getent passwd "$FB_RUN_USER" >/dev/null || die "user $FB_RUN_USER does not exist (is firebird3.0-server installed? run scripts/deps.sh)"
  [[ -x $FBGUARD && -x $FBSERVER ]] || die "$FBGUARD / $FBSERVER missing (run scripts/deps.sh)"
  install -d -o "$FB_RUN_USER" -g "$FB_RUN_USER" -m 0770 "$LOCK_DIR" "$RUN_DIR" "$LOG_DIR"
  # Lock files left behind by root must be usable by the server.
  find "$LOCK_DIR" -mindepth 1 -maxdepth 1 ! -user "$FB_RUN_USER" \
       -exec chown "$FB_RUN_USER:$FB_RUN_USER" {} + 2>/dev/null || true
  chown "$FB_RUN_USER:$FB_RUN_USER" "$SEC_DB"
  chmod 0660 "$SEC_DB"
  prepare_test_dir
}

set_password() {
  local out
  if ! out=$(cd / && printf "create or alter user %s password '%s' using plugin Srp;\ncommit;\n" \
               "$FB_USER" "$FB_PASSWORD" \
             | runuser -u "$FB_RUN_USER" -- isql-fb -q -bail -user "$FB_USER" "$SEC_DB" 2>&1); then
    echo "$out" >&2
    die "could not set the $FB_USER password in $SEC_DB"
  fi
}

wait_gone() {  # wait_gone SECONDS PID...
  local limit=$1; shift
  local i
  for ((i = 0; i < limit * 10; i++)); do
    local alive=0 p
    for p in "$@"; do kill -0 "$p" 2>/dev/null && alive=1; done
    [[ $alive -eq 0 ]] && return 0
    sleep 0.1
  done
  return 1
}

do_stop() {
  local guards servers
  guards=$(pidof "$FBGUARD" 2>/dev/null || true)
  if [[ -n $guards ]]; then
    # The guardian stops its server when it gets SIGTERM.
    # shellcheck disable=SC2086
    kill -TERM $guards 2>/dev/null || true
    # shellcheck disable=SC2086
    wait_gone 15 $guards || { kill -KILL $guards 2>/dev/null || true; }
  fi
  servers=$(pidof "$FBSERVER" 2>/dev/null || true)
  if [[ -n $servers ]]; then
    # shellcheck disable=SC2086
    kill -TERM $servers 2>/dev/null || true
    # shellcheck disable=SC2086
    wait_gone 15 $servers || { kill -KILL $servers 2>/dev/null || true; wait_gone 5 $servers || true; }
  fi
  rm -f "$PID_FILE"
  local i
  for ((i = 0; i < 50; i++)); do port_open || break; sleep 0.1; done
  if port_open; then
    die "port $FB_PORT on $FB_HOST still answers after stopping (another program listens there)"
  fi
  if [[ -n $guards$servers ]]; then
    say "stopped"
  else
    say "not running"
  fi
}

do_start() {
  prepare_dirs
  if port_open; then
    if login_ok; then
      say "already running on $FB_HOST:$FB_PORT ($FB_USER login ok)"
      return 0
    fi
    if [[ -z $(server_pids) ]]; then
      die "something else listens on $FB_HOST:$FB_PORT and refuses $FB_USER/$FB_PASSWORD"
    fi
    say "a Firebird server is running but refuses $FB_USER/$FB_PASSWORD; restarting it with that password"
    do_stop
  elif [[ -n $(server_pids) ]]; then
    # Processes without a listening port: starting up, or stuck.
    local i
    for ((i = 0; i < 50; i++)); do port_open && break; sleep 0.1; done
    if port_open && login_ok; then
      say "already running on $FB_HOST:$FB_PORT ($FB_USER login ok)"
      return 0
    fi
    say "found Firebird processes that do not serve $FB_HOST:$FB_PORT; restarting"
    do_stop
  fi

  prepare_dirs
  set_password
  say "starting $FBGUARD as user $FB_RUN_USER"
  rm -f "$PID_FILE"
  (cd / && runuser -u "$FB_RUN_USER" -- "$FBGUARD" -daemon -forever -pidfile "$PID_FILE") \
    | { grep -v 'server has been successfully started' || true; }

  local i
  for ((i = 0; i < START_TIMEOUT * 2; i++)); do
    if port_open && login_ok; then
      say "running on $FB_HOST:$FB_PORT, user $FB_USER password $FB_PASSWORD, folder $FB_DIR"
      return 0
    fi
    sleep 0.5
  done
  show_log
  if port_open; then
    die "the server listens on $FB_HOST:$FB_PORT but refuses $FB_USER/$FB_PASSWORD after ${START_TIMEOUT}s"
  fi
  die "the server did not answer on $FB_HOST:$FB_PORT within ${START_TIMEOUT}s"
}

do_status() {
  local pids
  pids=$(server_pids)
  if port_open; then
    if login_ok; then
      say "running on $FB_HOST:$FB_PORT (pids: ${pids:-unknown}), $FB_USER login ok, folder $FB_DIR"
      return 0
    fi
    say "something listens on $FB_HOST:$FB_PORT (pids: ${pids:-none}) but refuses $FB_USER/$FB_PASSWORD"
    return 1
  fi
  if [[ -n $pids ]]; then
    say "Firebird processes exist (pids: $pids) but $FB_HOST:$FB_PORT does not answer"
    return 1
  fi
  say "stopped"
  return 3
}

do_dir() {
  if [[ ! -d $FB_DIR || ! -w $FB_DIR || $(stat -c %a "$FB_DIR") != 2777 ]]; then
    need_root dir
    prepare_test_dir
  fi
  echo "$FB_DIR"
}

do_check() {
  local db="$FB_DIR/fbserver-check-$$.fdb"
  local url="$FB_HOST:$db"
  local out
  port_open || die "the server is not running (scripts/fbserver.sh start)"
  rm -f "$db"
  if ! out=$(cd / && printf "%s\n" \
      "create database '$url' user '$FB_USER' password '$FB_PASSWORD' default character set UTF8;" \
      "create table probe (n integer);" \
      "insert into probe values (42);" \
      "commit;" \
      "select n from probe;" \
      "drop database;" | isql-fb -q -bail 2>&1) || [[ $out != *42* ]]; then
    echo "$out" >&2
    rm -f "$db"
    die "could not create, use and drop $url through the server"
  fi
  say "created, used and dropped $url through the server"
}

case "${1:-}" in
  start)  need_root start; do_start ;;
  stop)   need_root stop; do_stop ;;
  status) do_status ;;
  dir)    do_dir ;;
  check)  do_check ;;
  *)
    echo "usage: $0 start|stop|status|dir|check" >&2
    exit 2
    ;;
esac
