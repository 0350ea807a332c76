#!/usr/bin/env bash
# Installs the Debian package on this machine, checks it the way a desktop
# and a user would, starts the installed program headless, and removes the
# package again, leaving nothing behind. Needs root (dpkg).
# Usage: package_test.sh <zarnith_8.0_amd64.deb>
set -euo pipefail
deb=$(realpath "$1")
fail() { echo "package test: $*" >&2; exit 1; }

# lintian: no errors (warnings and infos are shown, not fatal).
lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'root privileges' | tee /tmp/zarnith-lintian.txt || true
grep -q '^E:' /tmp/zarnith-lintian.txt && fail "lintian reports errors"

# A run that was cut short may have left the package installed.
if dpkg -s zarnith 2>/dev/null | grep -q '^Status: install ok installed'; then
    echo "package test: removing the zarnith left installed by an earlier run"
    dpkg -r zarnith >/dev/null
fi
dpkg -i "$deb" >/dev/null
trap 'dpkg -r zarnith >/dev/null 2>&1 || true' EXIT
installed=$(dpkg -L zarnith)

# The files where the desktop entry and the metainfo say they are.
desktop=/usr/share/applications/org.example.zarnith.desktop
metainfo=/usr/share/metainfo/org.example.zarnith.metainfo.xml
for f in /usr/bin/zarnith "$desktop" "$metainfo" /usr/share/zarnith/Zarnith.chm \
         /usr/share/icons/hicolor/scalable/apps/zarnith.svg \
         /usr/share/icons/hicolor/{16x16,24x24,32x32,48x48}/apps/zarnith.png; do
    [ -f "$f" ] || fail "missing $f"
done
for size in 16 24 32 48; do
    file "/usr/share/icons/hicolor/${size}x${size}/apps/zarnith.png" | grep -q "$size x $size" \
        || fail "icon $size is not $size pixels"
done
desktop-file-validate "$desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$metainfo" || fail "metainfo invalid"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
path_line=$(sed -n 's/^Path=//p' "$desktop")
icon_line=$(sed -n 's/^Icon=//p' "$desktop")
[ "$(command -v "${exec_line%% *}")" = /usr/bin/zarnith ] || fail "Exec does not start /usr/bin/zarnith"
[ -f "$path_line/Zarnith.chm" ] || fail "Path does not hold the help file"
[ -f "/usr/share/icons/hicolor/scalable/apps/$icon_line.svg" ] || fail "Icon names no installed icon"
grep -q '<launchable type="desktop-id">org.example.zarnith.desktop</launchable>' "$metainfo" \
    || fail "metainfo does not launch the desktop entry"
grep -q '<binary>zarnith</binary>' "$metainfo" || fail "metainfo does not name the binary"

# Started as the desktop entry starts it: in Path, headless; it must still be
# running after two seconds, and end when told to.
(cd "$path_line" && QT_QPA_PLATFORM=offscreen exec "$exec_line") &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the installed program did not keep running"
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true

# Removed again: nothing of it is left.
dpkg -r zarnith >/dev/null
trap - EXIT
dpkg -s zarnith 2>/dev/null | grep -q '^Status: install' && fail "still installed"
left=""
while read -r f; do
    [ -f "$f" ] && left="$left $f"
done <<<"$installed"
[ -z "$left" ] || fail "left behind:$left"
[ -d /usr/share/zarnith ] && fail "left behind: /usr/share/zarnith"
echo "package test: installed, checked, started and removed zarnith_8.0 cleanly"
