#!/usr/bin/env bash
# Zarnith under weston (headless): with an X server too it chooses X11; with
# Wayland alone it starts there, and its fixed windows and About box survive
# a maximise request. Everything started here is ended on the way out.
# Usage: desktops.sh <tst_desktops>
set -euo pipefail
test=$(realpath "$1")
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
socket=wayland-zarnith-$$
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT
timeout 300 weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$XDG_RUNTIME_DIR/weston.log" 2>&1 & pids+=($!)
timeout 300 Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$XDG_RUNTIME_DIR/display" \
    2>/dev/null & pids+=($!)
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && [ -s "$XDG_RUNTIME_DIR/display" ] && break
    sleep 0.1
done
run() { # the platform expected, then the session's variables
    local expected=$1; shift
    echo "desktops: ${*:-Wayland alone}: expecting $expected"
    env -u QT_QPA_PLATFORM -u DISPLAY WAYLAND_DISPLAY="$socket" ZARNITH_EXPECTED_PLATFORM="$expected" \
        "$@" timeout 60 "$test" || { tail -n 20 "$XDG_RUNTIME_DIR/weston.log"; exit 1; }
}
run xcb DISPLAY=":$(head -n1 "$XDG_RUNTIME_DIR/display")"
run wayland
