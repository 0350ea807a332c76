#!/usr/bin/env bash
# tst_shell ($1) under weston: X11 chosen beside an X server (-noreset: the probe may be its only client), else Wayland; the platform asked for kept.
set -euo pipefail
test=$(realpath "$1") socket=wayland-zarnith-$$ pids=()
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT
timeout 300 weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$XDG_RUNTIME_DIR/log" 2>&1 & pids+=($!)
timeout 300 Xvfb -displayfd 3 -nolisten tcp -noreset 3>"$XDG_RUNTIME_DIR/display" 2>/dev/null & pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && [ -s "$XDG_RUNTIME_DIR/display" ] && break; sleep 0.1; done
run() { # the session's variables: the platform Zarnith is expected to choose, or the one asked for
    env -u QT_QPA_PLATFORM -u DISPLAY WAYLAND_DISPLAY="$socket" "$@" \
        timeout 60 "$test" platformChosen || { tail "$XDG_RUNTIME_DIR/log"; exit 1; }
}
run ZARNITH_EXPECTED_PLATFORM=xcb DISPLAY=":$(head -n1 "$XDG_RUNTIME_DIR/display")"
run ZARNITH_EXPECTED_PLATFORM=wayland
run QT_QPA_PLATFORM=offscreen
