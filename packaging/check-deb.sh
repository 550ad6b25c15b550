#!/bin/sh
# check-deb.sh BUILD: checks the Debian package made in BUILD/dist as the archive would, then
# installs it into a throw-away root and removes it again, which must leave nothing behind.
set -eu
build=${1:?usage: check-deb.sh BUILD}
deb=$(ls "$build"/dist/tilora_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "lintian: $deb"
# Warnings are listed; only errors fail.
lintian --fail-on error "$deb"

dpkg-deb -x "$deb" "$work/contents"
desktop-file-validate "$work"/contents/usr/share/applications/*.desktop
appstreamcli validate --no-net "$work"/contents/usr/share/metainfo/*.metainfo.xml

# An empty root with only a package database; the libraries the game needs are not in it.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="fakeroot"
dpkg="$as_root dpkg --root=$root --force-not-root --force-depends --log=/dev/null"
# dpkg's notes on the missing libraries are expected; its words are shown only when it fails.
quietly() { "$@" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; return 1; }; }
quietly $dpkg --install "$deb"
[ -x "$root/usr/games/tilora" ] || { echo "check-deb: the game was not installed" >&2; exit 1; }
quietly $dpkg --remove tilora

left=$(cd "$root" && find . -mindepth 1 ! -path './var' ! -path './var/lib' ! -path './var/lib/dpkg' \
       ! -path './var/lib/dpkg/*' -print; ls var/lib/dpkg/info | grep '^tilora\.' || true)
if [ -n "$left" ] || grep -q '^Package: tilora$' "$root/var/lib/dpkg/status"; then
  echo "check-deb: removing the package left behind:" >&2
  echo "$left" >&2
  exit 1
fi
echo "check-deb: $deb installs and removes cleanly"
