#!/bin/sh
# Installs the Debian packages named on the command line that are not installed yet.
missing=""
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing="$missing $pkg"
done
[ -z "$missing" ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Tilora needs these packages, but this system has no apt-get:$missing" >&2
  echo "Install Qt 6 (base and multimedia), minizip, zlib, GoogleTest, Google Benchmark, CMake and pkg-config by hand, then run make again." >&2
  exit 3
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  echo "Installing$missing needs root, and sudo is not available. Run make as root once." >&2
  exit 4
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q || exit 5
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing || exit 5
