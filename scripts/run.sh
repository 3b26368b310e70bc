#!/usr/bin/env bash
# Sets everything up and starts MIRABELTA on the embedded demo database:
#   1. installs missing Debian packages (scripts/deps.sh)
#   2. configures and builds build/ (RelWithDebInfo, 2 jobs)
#   3. creates build/bin/demo.fdb and build/bin/config.ini with
#      build/bin/mirabelta-demodb when the demo database is absent
#   4. starts build/bin/mirabelta with the given arguments
# Without a display (no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM) it
# stops before step 4 and tells how to use xvfb-run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

JOBS=${MIRABELTA_JOBS:-2}
BIN=build/bin

say() { echo "run: $*"; }
die() { echo "run: ERROR: $*" >&2; exit 1; }

bash scripts/deps.sh

say "configuring build/ (RelWithDebInfo)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  || die "cmake configure failed (see above)"
say "building build/ with -j$JOBS"
cmake --build build -j"$JOBS" || die "build failed (see above)"

[[ -x $BIN/mirabelta ]] \
  || die "$BIN/mirabelta was not built: the build has no program target yet"

if [[ ! -f $BIN/demo.fdb ]]; then
  [[ -x $BIN/mirabelta-demodb ]] \
    || die "$BIN/demo.fdb is absent and $BIN/mirabelta-demodb was not built: cannot create the demo database"
  say "creating the demo database $BIN/demo.fdb"
  if ! "$BIN/mirabelta-demodb" "$BIN/demo.fdb"; then
    rm -f "$BIN/demo.fdb"
    die "mirabelta-demodb failed; no demo database was kept"
  fi
fi
[[ -f $BIN/config.ini ]] || say "warning: $BIN/config.ini is missing (the demo builder writes it)"

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  echo "run: no display: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
  echo "run: the program is built; start it on a virtual X server with:" >&2
  echo "       xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

say "starting $BIN/mirabelta"
exec "$BIN/mirabelta" "$@"
