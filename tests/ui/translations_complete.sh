#!/usr/bin/env bash
# Every translation holds every text of the wizard, translated: lupdate run
# over ui/ changes no .ts file and leaves nothing unfinished.
# usage: translations_complete.sh SOURCE_FOLDER LUPDATE
set -euo pipefail
source=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$source"/translations/tunemill_*.ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -I "$source" -no-obsolete -locations none "$source/ui" -ts "$copy"
  if ! diff -u "$ts" "$copy"; then
    echo "FAIL: $(basename "$ts") is not up to date: cmake --build build --target update_translations" >&2
    status=1
  fi
  if grep -q 'type="unfinished"' "$copy"; then
    echo "FAIL: $(basename "$ts") has texts to translate:" >&2
    grep -B1 'type="unfinished"' "$copy" | grep '<source>' >&2
    status=1
  fi
done
exit $status
