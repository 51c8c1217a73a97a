# The desktop of the end-to-end tests: an Xvfb display, the Windows programs
# under Wine in the tool's namespace, and helpers that drive the desktop with
# xdotool and read it back from screenshots. Source after testnet.sh.
#
# Taken from the environment: WINEPREFIX (made by wine_prefix.sh) and SHOTS,
# the folder that keeps the screenshots.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEDEBUG=-all
: "${SHOTS:=$PWD/screenshots}"
mkdir -p "$SHOTS"

desktop_need() {
	local tool
	for tool in Xvfb wine wineserver xdotool tesseract convert import; do
		command -v "$tool" >/dev/null || skip "$tool is not installed"
	done
	[ -f "$WINEPREFIX/system.reg" ] || skip "no Wine prefix at $WINEPREFIX"
}

# Starts Xvfb on a free display; it goes when the test ends.
desktop_up() {
	local fd_file
	desktop_need
	fd_file=$(mktemp)
	Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
	XVFB_PID=$!
	for _ in $(seq 50); do [ -s "$fd_file" ] && break; sleep 0.1; done
	export DISPLAY=":$(cat "$fd_file")"
	rm -f "$fd_file"
	[ "$DISPLAY" != ":" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
	# A wineserver left from another namespace would open this test's sockets there.
	wineserver -k 2>/dev/null || true
	wineserver -w 2>/dev/null || true
}

desktop_down() {
	[ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
	XVFB_PID=
}

# run_windows NAME EXE: starts EXE under Wine in the tool's namespace, in the
# background; its exit code lands in $SHOTS/NAME.rc.
run_windows() {
	local name=$1 exe=$2
	rm -f "$SHOTS/$name.rc"
	( in_tool wine "$exe" >"$SHOTS/$name.log" 2>&1; echo $? >"$SHOTS/$name.rc" ) &
}

# wait_exit NAME SECONDS: the exit code of a program started by run_windows.
wait_exit() {
	local name=$1 deadline=$((SECONDS + $2))
	while [ ! -s "$SHOTS/$name.rc" ]; do
		[ $SECONDS -lt "$deadline" ] || { echo "timeout"; return 0; }
		sleep 0.2
	done
	cat "$SHOTS/$name.rc"
}

# post CLASS MESSAGE WPARAM: posts a window message to a running program.
post() {
	in_tool wine "$POST_MESSAGE_EXE" "$@"
}

shoot() {
	import -window root "$SHOTS/$1.png"
}

# The screen as tesseract reads it best: grey, scaled up four times. OCR_SQUEEZE
# narrows it first, for text drawn in cells much wider than its letters.
ocr_input() {
	convert "$SHOTS/$1.png" -resize "${OCR_SQUEEZE:-100}%x100%" -colorspace Gray -resize 400% png:-
}

# Read twice: as a page, and as sparse text, which finds the captions and
# dialog texts that stand over a busy window.
screen_text() {
	shoot "$1"
	ocr_input "$1" | tesseract stdin stdout 2>/dev/null
	ocr_input "$1" | tesseract stdin stdout --psm 11 2>/dev/null
}

# wait_text SHOT SECONDS LINE...: until every line shows on the screen,
# compared loosely (case and blanks folded, a misread glyph forgiven).
wait_text() {
	local shot=$1 deadline=$((SECONDS + $2))
	shift 2
	while :; do
		screen_text "$shot" >"$SHOTS/$shot.txt"
		python3 "$E2E_DIR/ocr_match.py" "$SHOTS/$shot.txt" "$@" >/dev/null && return 0
		[ $SECONDS -lt "$deadline" ] || break
		sleep 0.5
	done
	echo "FAIL: the screen ($SHOTS/$shot.png) does not show:"
	python3 "$E2E_DIR/ocr_match.py" "$SHOTS/$shot.txt" "$@"
	return 1
}

# click_word SHOT WORD: clicks the middle of the first word on the screen
# that reads WORD.
click_word() {
	local box
	shoot "$1"
	box=$(ocr_input "$1" | tesseract stdin stdout tsv 2>/dev/null |
		awk -F'\t' -v w="$2" '$12 == w { print int(($7 + $9 / 2) / 4), int(($8 + $10 / 2) / 4); exit }')
	[ -n "$box" ] || { echo "FAIL: no word $2 on the screen ($SHOTS/$1.png)"; return 1; }
	xdotool mousemove $box click 1
}

keys() {
	xdotool key --delay 80 "$@"
}

type_text() {
	xdotool type --delay 40 "$1"
}
