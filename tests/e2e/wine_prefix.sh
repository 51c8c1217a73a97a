#!/usr/bin/env bash
# Makes the Wine prefix of the end-to-end tests once per build: Windows'
# first start takes a while. Its programs run in a virtual desktop, which
# draws the window frames and keeps the keyboard focus without a window manager;
# dark text on light title bars, selections and desktop keeps every text
# legible to tesseract.
set -euo pipefail
. "$(dirname "$0")/../lib/skip.sh"
command -v wine >/dev/null || skip "wine is not installed"
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
[ -f "$WINEPREFIX/system.reg" ] && exit 0
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
fd_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$fd_file"' EXIT
for _ in $(seq 50); do [ -s "$fd_file" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$fd_file")"
wineboot -i >/dev/null 2>&1
reg=$(mktemp --suffix=.reg)
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Control Panel\Colors]
"Background"="255 255 255"
"ActiveTitle"="224 224 224"
"GradientActiveTitle"="224 224 224"
"InactiveTitle"="240 240 240"
"GradientInactiveTitle"="240 240 240"
"TitleText"="0 0 0"
"InactiveTitleText"="64 64 64"
"Hilight"="200 200 200"
"HilightText"="0 0 0"
REG
wine regedit /S "$reg" >/dev/null 2>&1
rm -f "$reg"
wineserver -w
[ -f "$WINEPREFIX/system.reg" ] || { echo "FAIL: wineboot made no prefix"; exit 1; }
echo "Wine prefix ready in $WINEPREFIX"
