#!/usr/bin/env bash
# Installs the Debian package (as root), checks it as a desktop and a user would, starts it headless, removes it.
set -euo pipefail
deb=$(realpath "$1")
fail() { echo "package test: $*" >&2; exit 1; }
lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'root privileges' | tee /tmp/zarnith-lintian.txt || true
grep -q '^E:' /tmp/zarnith-lintian.txt && fail "lintian reports errors"
! dpkg -s zarnith >/dev/null 2>&1 || dpkg -r zarnith >/dev/null # a run cut short may have left it installed
dpkg -i "$deb" >/dev/null
trap 'dpkg -r zarnith >/dev/null 2>&1 || true' EXIT
installed=$(dpkg -L zarnith)
desktop=/usr/share/applications/org.example.zarnith.desktop
metainfo=/usr/share/metainfo/org.example.zarnith.metainfo.xml
for size in 16 24 32 48; do
    file "/usr/share/icons/hicolor/${size}x${size}/apps/zarnith.png" | grep -q "$size x $size" || fail "no $size-pixel icon"
done
desktop-file-validate "$desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$metainfo" || fail "metainfo invalid"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(command -v "$(entry Exec | cut -d' ' -f1)")" = /usr/bin/zarnith ] || fail "Exec does not start /usr/bin/zarnith"
[ -f "$(entry Path)/Zarnith.chm" ] || fail "Path does not hold the help file"
[ -f "/usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg" ] || fail "Icon names no installed icon"
grep -q '<launchable type="desktop-id">org.example.zarnith.desktop</launchable>' "$metainfo" || fail "metainfo launches no entry"
# Started as the desktop entry starts it: still running two seconds later.
(cd "$(entry Path)" && QT_QPA_PLATFORM=offscreen exec $(entry Exec)) & pid=$!
sleep 2 && kill -0 "$pid" 2>/dev/null || fail "the installed program did not keep running"
kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
dpkg -r zarnith >/dev/null # the trap's removal then finds nothing left to remove
while read -r f; do [ ! -f "$f" ] || fail "left behind: $f"; done <<<"$installed"
[ ! -d /usr/share/zarnith ] || fail "left behind: /usr/share/zarnith"
echo "package test: installed, checked, started and removed zarnith $(dpkg-deb -f "$deb" Version) cleanly"
