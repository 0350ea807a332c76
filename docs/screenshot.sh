#!/usr/bin/env bash
# Takes the README's screenshot of the calculator: starts Zarnith on a
# virtual display with a window manager (so the title bar shows), types
# 3/4 + 1/2, clicks the plus button and saves the window as a PNG.
# Needs: xvfb xauth openbox xdotool imagemagick (apt-get install them).
# Usage: docs/screenshot.sh [build dir] [output png]
set -euo pipefail
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-docs/calculator.png}")

inner() {
    openbox >/dev/null 2>&1 &
    sleep 1
    (cd "$build" && ./zarnith) &
    local app=$!
    local win=""
    for _ in $(seq 50); do
        win=$(xdotool search --onlyvisible --name '^Zarnith$' 2>/dev/null | head -n1) && [ -n "$win" ] && break
        sleep 0.2
    done
    xdotool windowactivate --sync "$win"
    sleep 0.5
    xdotool type --delay 80 3; xdotool key Tab; xdotool type 4; xdotool key Tab
    xdotool type 1; xdotool key Tab; xdotool type 2
    # The pointer moves over the plus button (showing the sign), then clicks.
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xdotool mousemove --window "$win" 70 112 sleep 0.2 mousemove --window "$win" 75 117 click 1
    xdotool mousemove --window "$win" 290 190
    sleep 0.5
    import -window "$win" -frame "$out"
    kill "$app"
}

if [ "${ZARNITH_INNER:-}" = 1 ]; then
    inner
else
    ZARNITH_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$out"
fi
