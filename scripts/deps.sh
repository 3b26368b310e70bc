#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test MIRABELTA.
#
# Idempotent: every package is checked with dpkg-query first; apt-get update
# and apt-get install run only when something is missing. Runs as root
# directly (CI), otherwise through sudo when sudo exists.
set -euo pipefail

PACKAGES=(
  build-essential
  cmake
  g++
  pkg-config
  qt6-base-dev
  qt6-base-dev-tools
  libqt6sql6-ibase
  qt6-translations-l10n
  firebird3.0-server
  firebird3.0-utils
  firebird-dev
  libfbclient2
  fonts-liberation
  xvfb
  xauth
  poppler-utils
  libquazip1-qt6-dev
  libfreexl-dev
  libgl-dev
  imagemagick
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  if [[ "$status" != "install ok installed" ]]; then
    missing+=("$pkg")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "deps: all ${#PACKAGES[@]} packages are installed"
  exit 0
fi

echo "deps: missing packages: ${missing[*]}"

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "deps: ERROR: not root and sudo is not available; install as root:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"

# Verify, so a half-finished installation is reported here and not later.
still=()
for pkg in "${missing[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || still+=("$pkg")
done
if [[ ${#still[@]} -gt 0 ]]; then
  echo "deps: ERROR: still missing after apt-get install: ${still[*]}" >&2
  exit 1
fi
echo "deps: installed ${missing[*]}"
