#!/usr/bin/env bash
# zendrel.exe under Wine against the device stand-in's command service: the
# address dialog at start, then every key and menu item puts exactly its
# request on the wire, one connection each.
. "$(dirname "$0")/setup.sh"

hex() { printf "$1" | od -An -tx1 | tr -d ' \n'; }
VER=$(hex '\0\0\0\0ver\r\nexit\r\n\0')
STATS=$(hex '\0\0\0\0stats\r\nexit\r\n\0')
SOCKETS=$(hex '\0\0\0\0sockets\r\nexit\r\n\0')
HOSTTAB=$(hex '\0\0\0\0hosttab\r\nexit\r\n\0')
LINE0=$(hex '\0\0\0\0line 0\r\nexit\r\n')
LINE3=$(hex '\0\0\0\0line 3\r\nexit\r\n')

in_device "$STANDIN" --commands >"$SHOTS/commands.log" &
wait_event "$SHOTS/commands.log" 10 '^ready'
conn=0
# expect HEX: the next connection carried exactly these bytes.
expect() {
	conn=$((conn + 1))
	wait_event "$SHOTS/commands.log" 15 "^close conn=$conn received=$1\$"
}

run_windows zendrel "$ZENDREL_EXE"
wait_text zendrel-address 60 "EDIT ADDRESS" "IP Address" "0.0.0.0"
type_text "$DEVICE_IP"
keys Return
expect "$VER"
# The output view draws one character per widest-glyph cell: squeezed, it reads.
OCR_SQUEEZE=55 wait_text zendrel-ver 10 "Quorlan QX-200 terminal server" "Boot ROM version 1.3"

echo "keys"
while read -r key request; do
	keys "$key"
	expect "${!request}"
done <<'KEYS'
s STATS
S STATS
t SOCKETS
T SOCKETS
h HOSTTAB
H HOSTTAB
c LINE0
C LINE0
r VER
R VER
alt+r VER
KEYS
for key in F2 e E alt+e; do
	keys "$key"
	wait_text zendrel-edit 10 "EDIT ADDRESS" "$DEVICE_IP"
	keys Escape
	expect "$VER"
done

echo "menu items, in their order"
menu() { keys alt+m; for _ in $(seq "$1"); do keys Down; done; keys Return; }
menu 0; wait_text zendrel-menu-edit 10 "EDIT ADDRESS"; keys Escape; expect "$VER"
menu 1; expect "$VER"
menu 2; expect "$STATS"
menu 3; expect "$SOCKETS"
menu 4; expect "$HOSTTAB"
menu 5
wait_text zendrel-line 10 "EDIT COMMAND LINE" "Command Line" "line 0"
type_text "line 3"
keys Return
expect "$LINE3"
menu 6; expect "$LINE3"
menu 7
wait_text zendrel-about 10 "About Zendrel" "Quorlan(R) Version Info for 95/NT" "Version 2.001"
keys Return

echo "Cancel in the command-line dialog still runs the unchanged line"
menu 5
wait_text zendrel-line-again 10 "EDIT COMMAND LINE" "line 3"
type_text "junk"
keys Escape
expect "$LINE3"
keys c
expect "$LINE3"

echo "a display change shows its box with the program's name"
post zendrel 0x007e 24
wait_text zendrel-display 15 "zendrel" "Display Changed"
keys Return

echo "closing the window ends the program with exit code 0"
keys alt+F4
rc=$(wait_exit zendrel 20)
[ "$rc" = 0 ] || { echo "FAIL: exit code $rc"; exit 1; }
echo "PASS"
