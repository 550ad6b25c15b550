#!/bin/sh
# update-translations.sh [--check] [LUPDATE]: brings translations/tilora_*.ts up to date with the
# texts of the game, setup and the Uninstaller. New texts come in unfinished, texts no longer in
# the sources are dropped. tilora_en.ts holds only the texts with a number (%n), for their English
# singular and plural. With --check nothing is written: it fails when an update would change a
# file, or when a file still has an unfinished or vanished entry.
set -eu
check=false
if [ "${1:-}" = "--check" ]; then check=true; shift; fi
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
cd "$(dirname "$0")/.."

sources="game setup uninstaller installer platform"
catalogues=$(ls translations/tilora_*.ts)

# Locations are left out so that moving code about does not change the catalogues.
update() {
  case "$1" in */tilora_en.ts) only=-pluralonly ;; *) only= ;; esac
  "$lupdate" -silent -recursive -extensions cpp,h -locations none -no-obsolete $only $sources -ts "$1"
}

if ! $check; then
  for ts in $catalogues; do update "$ts"; done
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in $catalogues; do
  cp "$ts" "$work/"
  update "$work/$(basename "$ts")" >/dev/null
  if ! cmp -s "$ts" "$work/$(basename "$ts")"; then
    echo "$ts is not up to date with the sources; run 'make translations' and translate:" >&2
    diff -u "$ts" "$work/$(basename "$ts")" | grep '^[-+] *<source>' >&2 || true
    status=1
  fi
  if grep -q 'type="\(unfinished\|vanished\|obsolete\)"' "$ts"; then
    echo "$ts has entries still to translate:" >&2
    grep -B2 'type="\(unfinished\|vanished\|obsolete\)"' "$ts" | grep '<source>' >&2 || true
    status=1
  fi
done
exit $status
