#!/usr/bin/env bash
# The stand-in's command service in a private test network, met with nc from
# the tool's side: the bytes it records, the answer it sends, a long chunked
# answer, two connections at once, and a refused connection.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/skip.sh"
. "$here/testnet.sh"
. "$here/events.sh"
STANDIN=${1:?usage: test_standin_commands.sh QUORLAN_STANDIN}
need_root
command -v nc >/dev/null || skip "nc (netcat-openbsd) is not installed"
testnet_up
work=$(mktemp -d)
testnet_on_exit "rm -rf '$work'"
printf '\0\0\0\0ver\r\nexit\r\n\0' >"$work/ver.request"
VER_HEX=000000007665720d0a657869740d0a00

# device OPTIONS...: (re)starts the command service with these options.
device() {
	restart_commands "$work/device.log" "$@"
}

# ask NAME: sends the ver request, and keeps the answer in $work/NAME.
ask() {
	in_tool timeout 10 nc -N "$DEVICE_IP" 513 <"$work/ver.request" >"$work/$1"
}

echo "the ver request is recorded byte for byte, and answered as --print-answer shows"
[ "$(hex_of "$work/ver.request")" = "$VER_HEX" ]
device
wait_event "$work/device.log" 1 '^listening port=513$'
ask ver.answer
wait_event "$work/device.log" 5 "^close conn=1 received=$VER_HEX\$"
events_in_order "$work/device.log" "^connect conn=1 peer=$TOOL_IP:[0-9]+\$" '^command conn=1 text=ver$' \
	'^command conn=1 text=exit$' '^close conn=1 '
"$STANDIN" --print-answer ver >"$work/ver.expected"
cmp "$work/ver.expected" "$work/ver.answer"

echo "a connection is served while another one stays open"
(printf '\0\0\0\0'; sleep 3) | in_tool timeout 10 nc -N "$DEVICE_IP" 513 >/dev/null &
idle=$!
wait_event "$work/device.log" 5 '^connect conn=2 '
ask busy.answer
wait_event "$work/device.log" 5 '^close conn=3 '
if grep -q '^close conn=2 ' "$work/device.log"; then
	echo "FAIL: conn 2 ended before conn 3"; exit 1
fi
cmp "$work/ver.expected" "$work/busy.answer"
wait "$idle"
wait_event "$work/device.log" 5 '^close conn=2 received=00000000$'

echo "--answer-bytes 5000 --chunk 700 gives exactly 5000 bytes"
device --answer-bytes 5000 --chunk 700 --pause 5
ask long.answer
[ "$(stat -c %s "$work/long.answer")" -eq 5000 ] || { echo "FAIL: $(stat -c %s "$work/long.answer") bytes"; exit 1; }
"$STANDIN" --answer-bytes 5000 --print-answer ver | cmp - "$work/long.answer"

echo "--refuse refuses the connection"
device --refuse
if in_tool timeout 10 nc -z -v -w 3 "$DEVICE_IP" 513 2>"$work/refused.err"; then
	echo "FAIL: the connection was accepted"; exit 1
fi
grep -q 'refused' "$work/refused.err" || { echo "FAIL: not refused:"; cat "$work/refused.err"; exit 1; }
kill "$commands_pid"
wait "$commands_pid"
echo "PASS"
