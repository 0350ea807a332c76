#!/usr/bin/env bash
# $1/translations match the program's texts (lupdate on a copy finds nothing new or gone), none left unfinished.
set -euo pipefail
cd "$1"
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp translations/*.ts "$copy"
/usr/lib/qt6/bin/lupdate -no-obsolete -locations none -silent engine widgets calculator decimals shell -ts "$copy"/*.ts
for ts in translations/*.ts; do
    cmp -s "$ts" "$copy/$(basename "$ts")" || { echo "$ts: not up to date with the program's texts (make translations)"; diff "$ts" "$copy/$(basename "$ts")" | head; exit 1; }
    ! grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" || { echo "$ts: unfinished"; exit 1; }
done
