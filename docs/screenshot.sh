#!/usr/bin/env bash
# Takes the README's screenshots: starts Zarnith on a virtual display with a
# window manager (so the title bars show), types 3/4 + 1/2 and clicks the
# plus button (calculator.png), then opens the Decimals window and converts
# 2.75 (both-windows.png), then shows the About box (about.png) and the
# help viewer (help-viewer.png); then the calculator again at a scale
# factor of 2 (calculator-scale2.png); last, both windows on a dark desktop
# (GTK's Adwaita:dark through the gtk3 platform theme, both-windows-dark.png),
# at a scale factor of 1.5 (both-windows-scale1.5.png) and in German
# (both-windows-de.png).
# Needs: xvfb xauth openbox xdotool x11-utils imagemagick qt6-gtk-platformtheme.
# Usage: docs/screenshot.sh [build dir] [output folder]
set -euo pipefail
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-docs}")

# Prints the outer frame of a window as X Y W H.
frame_of() {
    local info X Y WIDTH HEIGHT
    info=$(xwininfo -id "$1")
    X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    WIDTH=$(awk '/Width:/ {print $2}' <<<"$info")
    HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r l r t b <<<"$extents"
    echo $((X - l)) $((Y - t)) $((WIDTH + l + r)) $((HEIGHT + t + b))
}

# Types 3/4 and 1/2 into the calculator, then moves the pointer over the
# plus button (so the sign shows), clicks it, and moves the pointer away.
# The button's centre is at x, y in the window; the pointer then goes to
# away_x, away_y.
add_three_quarters_and_a_half() {
    local calc=$1 x=$2 y=$3 away_x=$4 away_y=$5
    xdotool windowactivate --sync "$calc"
    sleep 0.5
    xdotool type --delay 80 3; xdotool key Tab; xdotool type 4; xdotool key Tab
    xdotool type 1; xdotool key Tab; xdotool type 2
    xdotool mousemove --window "$calc" $((x - 5)) $((y - 5)) sleep 0.2 mousemove --window "$calc" "$x" "$y" click 1
    xdotool mousemove --window "$calc" "$away_x" "$away_y"
    sleep 0.5
}

# In the Decimals window: 2.75 converted to a fraction; then both windows,
# the Decimals window above the calculator, into one picture.
convert_and_take_both() {
    local calc=$1 dec=$2 file=$3 decimal=${4:-2.75}
    xdotool key Tab Tab Tab; xdotool type --delay 80 "$decimal"; xdotool key ctrl+f
    sleep 0.5
    read -r dx dy dw dh <<<"$(frame_of "$dec")"
    read -r cx cy cw ch <<<"$(frame_of "$calc")"
    local left=$((dx < cx ? dx : cx)) right=$((dx + dw > cx + cw ? dx + dw : cx + cw))
    import -window root -crop "$((right - left))x$((cy + ch - dy))+$left+$dy" +repage "$file"
}

# Both windows, Zarnith started with the environment given (a dark desktop,
# a scale factor): 3/4 + 1/2 chosen with Ctrl+A, which shows the sign too,
# and 2.75 converted in the Decimals window.
both_windows() {
    local file=$1 caption=$2 decimal=$3; shift 3
    (cd "$build" && env "$@" ./zarnith) &
    local app=$! calc dec
    calc=$(window_named Zarnith)
    xdotool windowactivate --sync "$calc"
    sleep 0.5
    xdotool type --delay 80 3; xdotool key Tab; xdotool type 4; xdotool key Tab
    xdotool type 1; xdotool key Tab; xdotool type 2; xdotool key ctrl+a ctrl+F2
    dec=$(window_named "$caption")
    xdotool windowactivate --sync "$dec"
    xdotool mousemove 0 0
    sleep 0.3
    convert_and_take_both "$calc" "$dec" "$out/$file" "$decimal"
    kill "$app"
    wait "$app" 2>/dev/null || true
}

window_named() {
    local win=""
    for _ in $(seq 50); do
        win=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$win" ] && break
        sleep 0.2
    done
    echo "$win"
}

inner() {
    openbox >/dev/null 2>&1 &
    local wm=$!
    sleep 1
    (cd "$build" && ./zarnith) &
    local app=$!
    local calc
    calc=$(window_named Zarnith)
    add_three_quarters_and_a_half "$calc" 75 117 290 190
    import -window "$calc" -frame "$out/calculator.png"

    xdotool key ctrl+F2
    local dec
    dec=$(window_named Decimals)
    xdotool windowactivate --sync "$dec"
    sleep 0.3
    convert_and_take_both "$calc" "$dec" "$out/both-windows.png"

    xdotool windowactivate --sync "$calc"
    xdotool key ctrl+h
    sleep 1
    local about
    about=$(xdotool search --onlyvisible --name '^Zarnith$' | grep -v "^$calc\$" | head -n1)
    import -window "$about" -frame "$out/about.png"
    xdotool key Escape
    xdotool windowactivate --sync "$calc"
    xdotool key F1
    local help
    help=$(window_named "Zarnith Help")
    sleep 0.5
    import -window "$help" -frame "$out/help-viewer.png"
    kill "$app"
    wait "$app" 2>/dev/null || true

    (cd "$build" && QT_SCALE_FACTOR=2 ./zarnith) &
    app=$!
    calc=$(window_named Zarnith)
    add_three_quarters_and_a_half "$calc" 150 234 580 380
    import -window "$calc" -frame "$out/calculator-scale2.png"
    kill "$app"
    wait "$app" 2>/dev/null || true

    both_windows both-windows-dark.png Decimals 2.75 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    both_windows both-windows-scale1.5.png Decimals 2.75 QT_SCALE_FACTOR=1.5
    both_windows both-windows-de.png Dezimalzahlen 2,75 LANGUAGE=de LANG=de_DE.UTF-8
    kill "$wm"
}

if [ "${ZARNITH_INNER:-}" = 1 ]; then
    inner
else
    ZARNITH_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$out"
fi
