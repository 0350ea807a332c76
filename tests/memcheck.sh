#!/usr/bin/env bash
# The given test under valgrind (no time limits): fails on memory lost or misused in the project's sources, chmlib's too.
set -euo pipefail
log="$1.memcheck.log" # beside the test, kept for a look after a failure
QT_QPA_PLATFORM=offscreen ZARNITH_UNDER_VALGRIND=1 valgrind --leak-check=full --show-leak-kinds=definite \
    --num-callers=40 --log-file="$log" "$1" >/dev/null
grep -E 'definitely lost:|ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== *//'
# The project's source files, as valgrind names a frame's file: "(lzx.c:512)".
ours=$(cd "$(dirname "$0")/.." && find . -path './build*' -prune -o -regex '.*\.\(cpp\|[ch]\)' -printf '%f\n' \
    | sort -u | paste -sd'|' | sed 's/\./\\./g')
[ -n "$ours" ] || { echo "memcheck: no source files found beside the tests"; exit 1; }
# Each valgrind record is a block of lines up to the next blank one.
found=$(awk -v ours="\\\\((${ours}):[0-9]+\\\\)" '
    /^==[0-9]+== *$/ { if (record ~ /(definitely lost|Invalid (read|write)|uninitialised)/ && record ~ ours) print record; record = ""; next }
    { record = record "\n" $0 }' "$log")
[ -z "$found" ] || { echo "memcheck found problems in the project's own code:$found"; exit 1; }
