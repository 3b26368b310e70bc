#!/usr/bin/env bash
# Sets everything up and runs every test twice:
#   1. installs missing Debian packages (scripts/deps.sh)
#   2. starts the local Firebird server for the shared-database tests
#      (scripts/fbserver.sh start; it stays running afterwards)
#   3. build/      RelWithDebInfo build, then ctest
#   4. build-asan/ Debug build with AddressSanitizer + UndefinedBehaviorSanitizer
#                  (-DMIRABELTA_SANITIZE=ON, benchmarks off), then ctest again
# Extra arguments go to both ctest runs, e.g. `bash scripts/test.sh -R rules`.
# Exits non-zero when any step fails and ends with one summary line.
#
# Environment seen by the tests:
#   QT_QPA_PLATFORM=offscreen
#   MIRABELTA_FB_SERVER=127.0.0.1        Firebird server (user SYSDBA, password masterkey)
#   MIRABELTA_FB_SERVER_DIR=<folder>     where the server can create database files

# Functions below run through step(); shellcheck cannot see that.
# shellcheck disable=SC2317
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1

JOBS=${MIRABELTA_JOBS:-2}
CTEST_ARGS=(--output-on-failure -j"$JOBS" --no-tests=error --timeout 900 "$@")

summary=()
failed=0
t0=$SECONDS

say() { echo; echo "==== test: $* ===="; }

# step NAME COMMAND...: runs the command, records "NAME ok|FAILED (time)".
step() {
  local name=$1; shift
  local start=$SECONDS
  say "$name"
  if "$@"; then
    summary+=("$name ok ($((SECONDS - start))s)")
    return 0
  fi
  summary+=("$name FAILED ($((SECONDS - start))s)")
  failed=1
  return 1
}

skip() { summary+=("$1 skipped"); }

finish() {
  local total=$((SECONDS - t0)) verdict=PASSED
  [[ $failed -eq 0 ]] || verdict=FAILED
  local line="" part
  for part in "${summary[@]}"; do line+="$part, "; done
  echo
  echo "SUMMARY: ${line}total $((total / 60))m$((total % 60))s => $verdict"
  exit "$failed"
}

build_tree() {  # build_tree DIR CMAKE-ARGS...
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" && cmake --build "$dir" -j"$JOBS"
}

run_ctest() {  # run_ctest DIR
  ctest --test-dir "$1" "${CTEST_ARGS[@]}"
}

run_ctest_sanitized() {  # run_ctest_sanitized DIR
  # LeakSanitizer is off: fbclient (the Firebird engine) and Qt keep global
  # allocations alive until exit, which it would report as leaks.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$1" "${CTEST_ARGS[@]}"
}

if ! step deps bash scripts/deps.sh; then
  finish
fi

step fbserver bash -c 'bash scripts/fbserver.sh start && bash scripts/fbserver.sh check'

export QT_QPA_PLATFORM=offscreen
export MIRABELTA_FB_SERVER=127.0.0.1
MIRABELTA_FB_SERVER_DIR=$(bash scripts/fbserver.sh dir) || MIRABELTA_FB_SERVER_DIR=/tmp/mirabelta-fb
export MIRABELTA_FB_SERVER_DIR
echo "test: MIRABELTA_FB_SERVER=$MIRABELTA_FB_SERVER MIRABELTA_FB_SERVER_DIR=$MIRABELTA_FB_SERVER_DIR"

if step build build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  step tests run_ctest build
else
  skip tests
fi

if step asan-build build_tree build-asan -DMIRABELTA_SANITIZE=ON -DMIRABELTA_BENCH=OFF \
                                         -DCMAKE_BUILD_TYPE=Debug; then
  step asan-tests run_ctest_sanitized build-asan
else
  skip asan-tests
fi

finish
