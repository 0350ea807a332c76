#!/usr/bin/env bash
# Runs a scripted session of both windows (one seed of the monkey test)
# under valgrind's memcheck and fails when valgrind finds memory lost for
# good, or an invalid read or write, in the program's own code.
# Usage: memcheck.sh <tst_monkey executable>
set -euo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen valgrind --leak-check=full --show-leak-kinds=definite \
    --num-callers=40 --log-file="$log" "$1" 'monkey:seed 11' >/dev/null
grep -E 'definitely lost:|ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== *//'
# Each valgrind record is a block of lines up to the next blank one.
own=$(awk '/^==[0-9]+== *$/ { if (record ~ /(definitely lost|Invalid (read|write)|uninitialised)/ && record ~ /zarnith::/) print record; record = ""; next }
           { record = record "\n" $0 }' "$log")
if [ -n "$own" ]; then
    echo "memcheck found problems in the program's own code:"
    echo "$own"
    exit 1
fi
echo "memcheck: nothing lost or misused in the program's own code"
