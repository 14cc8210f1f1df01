#!/usr/bin/env bash
# Every text of the program has its English, and the catalogue keeps nothing the sources no
# longer say: the sources are read afresh into a copy of the catalogue, which must then hold
# no unfinished, vanished or obsolete message.
# usage: translations_check.sh LUPDATE SOURCE_DIR [LUPDATE OPTIONS...]
set -euo pipefail
lupdate="$1"
source="$2"
shift 2
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$source/i18n/krugovik_en.ts" "$work/krugovik_en.ts"
cd "$source"
"$lupdate" "$@" -I . app ui table base standings rating rounds export common trf hall \
    -ts "$work/krugovik_en.ts" >"$work/lupdate.log" 2>&1 || {
    cat "$work/lupdate.log"
    exit 1
}
# A message's source comes two lines before the translation that names its state.
faults="$(grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$work/krugovik_en.ts" |
    grep -E '<source>|type=' || true)"
if [ -n "$faults" ]; then
    echo "i18n/krugovik_en.ts is not up to date with the sources; run the update_translations"
    echo "target and translate these (or drop the ones the sources no longer have):"
    echo "$faults" | head -n 200
    exit 1
fi
echo "Every text has its English."
