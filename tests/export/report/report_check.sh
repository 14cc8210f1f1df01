#!/bin/bash
# krugovik --report on the fixtures beside this script: each FILE gives FILE.expected
# byte for byte and exit 0; a missing file and one that is no tournament give exit 2.
set -u
bin="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
for fixture in "$here"/NORMA.TXT "$here"/open.trf; do
    name="$(basename "$fixture")"
    if ! "$bin" --report "$fixture" >"$work/$name.out" 2>"$work/$name.err"; then
        echo "FAIL $name: exit $? $(cat "$work/$name.err")"
        failed=1
    elif ! diff -u "$here/$name.expected" "$work/$name.out"; then
        echo "FAIL $name: output differs"
        failed=1
    fi
done
printf 'not a tournament\n' >"$work/garbage.txt"
for bad in "$work/missing.trf" "$work/garbage.txt"; do
    "$bin" --report "$bad" >/dev/null 2>"$work/bad.err"
    status=$?
    if [ "$status" -ne 2 ] || [ ! -s "$work/bad.err" ]; then
        echo "FAIL $(basename "$bad"): exit $status, expected 2 with a message"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "report fixtures pass"
exit "$failed"
