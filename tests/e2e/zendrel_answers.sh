#!/usr/bin/env bash
# zendrel.exe under Wine: the address never set, answers past the buffer,
# an answer whose end comes with the close, and a refused connection.
. "$(dirname "$0")/setup.sh"

# device OPTIONS...: (re)starts the command service with these options.
device() {
	restart_commands "$SHOTS/answers.log" "$@"
}

# cpu_ticks: user and system time of zendrel.exe and the wineserver so far,
# in clock ticks; a program that spins on its socket keeps both busy.
cpu_ticks() {
	local pids
	pids=$(pgrep -f 'zendrel\.exe|wineserver' | tr '\n' ' ')
	[ -n "$pids" ] || { echo "FAIL: no zendrel.exe process" >&2; exit 1; }
	for pid in $pids; do cat "/proc/$pid/stat" 2>/dev/null; done | awk '{ t += $14 + $15 } END { print t }'
}

echo "Cancel at the first start runs ver towards 0.0.0.0"
device
run_windows zendrel "$ZENDREL_EXE"
wait_text zendrel-address 60 "EDIT ADDRESS" "0.0.0.0"
keys Escape
wait_text zendrel-unset 15 "Error" "Unable to open socket (10049)"
keys Return

echo "an answer past 4096 bytes keeps the program responsive and idle"
device --answer-bytes 6000 --chunk 500 --pause 20 --keep-open
keys F2
wait_text zendrel-edit 10 "EDIT ADDRESS"
type_text "$DEVICE_IP"
keys Return
wait_event "$SHOTS/answers.log" 15 '^command conn=1 text=exit'
sleep 1
before=$(cpu_ticks)
sleep 3
spent=$(( $(cpu_ticks) - before ))
echo "CPU time over 3 s with a full buffer: $spent ticks"
[ "$spent" -lt 100 ] || { echo "FAIL: the program keeps the CPU busy on a full buffer"; exit 1; }
shoot zendrel-full
keys s
wait_event "$SHOTS/answers.log" 5 '^command conn=2 text=stats'
wait_event "$SHOTS/answers.log" 5 '^close conn=1 '

echo "an answer whose last bytes come with the close is drawn whole"
device
keys h
wait_event "$SHOTS/answers.log" 15 '^close conn=1 '
OCR_SQUEEZE=55 wait_text zendrel-whole 10 "Host table: 3 entries" "printer-hall 10.0.0.42"

echo "a refused connection shows no box and an empty view"
device --refuse
keys r
sleep 3
screen_text zendrel-refused >"$SHOTS/zendrel-refused.txt"
if grep -qiE 'unable|error' "$SHOTS/zendrel-refused.txt"; then
	echo "FAIL: a box for a refused connection"; exit 1
fi
OCR_SQUEEZE=55 screen_text zendrel-refused-view >"$SHOTS/zendrel-refused-view.txt"
if python3 "$here/ocr_match.py" "$SHOTS/zendrel-refused-view.txt" "Host table: 3 entries" >/dev/null; then
	echo "FAIL: the view was not emptied"; exit 1
fi
echo "PASS"
