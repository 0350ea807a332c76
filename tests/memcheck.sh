#!/usr/bin/env bash
# The given test's session of the windows under valgrind's memcheck: fails
# on memory lost for good, or misused, in the program's own code (chmlib's
# included). The test leaves out its time limits under valgrind.
set -euo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen ZARNITH_UNDER_VALGRIND=1 valgrind --leak-check=full --show-leak-kinds=definite \
    --num-callers=40 --log-file="$log" "$1" >/dev/null
grep -E 'definitely lost:|ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== *//'
# Each valgrind record is a block of lines up to the next blank one. chmlib's
# LZX decoder reads a few bytes past a block into its own buffer: not ours.
own=$(awk '/^==[0-9]+== *$/ { if (record ~ /(definitely lost|Invalid (read|write)|uninitialised)/ && record ~ /zarnith::/ && record !~ /uninitialised value of size 8\n[^\n]*: LZXdecompress /) print record; record = ""; next }
           { record = record "\n" $0 }' "$log")
[ -z "$own" ] || { echo "memcheck found problems in the program's own code:$own"; exit 1; }
