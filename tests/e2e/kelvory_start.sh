#!/usr/bin/env bash
# Kelvory.exe's start-up cases: the BOOTP port held by another program, and
# a second copy started while one runs.
. "$(dirname "$0")/setup.sh"

echo "port 67 held by another program: the busy box, then exit code 0"
ip netns exec "$NS_TOOL" python3 -c 'import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("", 67))
time.sleep(60)' &
holder=$!
sleep 0.5
run_windows busy "$KELVORY_EXE"
wait_text kelvory-busy 60 "Error" "BOOTP socket busy.  Please shut down your BOOTP/DHCP server. (10048)"
keys Return
rc=$(wait_exit busy 20)
[ "$rc" = 0 ] || { echo "FAIL: exit code $rc after the busy box"; exit 1; }
kill $holder; wait $holder 2>/dev/null || true

echo "a second copy brings the first to the front and exits at once"
run_windows first "$KELVORY_EXE"
wait_text kelvory-first 30 "Getting Started:"
run_windows cover notepad
wait_text kelvory-covered 30 "Notepad"
run_windows second "$KELVORY_EXE"
rc=$(wait_exit second 20)
[ "$rc" = 0 ] || { echo "FAIL: the second copy ended with $rc"; exit 1; }
[ ! -s "$SHOTS/first.rc" ] || { echo "FAIL: the first copy ended"; exit 1; }
wait_text kelvory-front 10 "Getting Started:" "Open the File Menu and Configure."

echo "a display change shows its box; command 103, which no key gives, ends the program"
post Kelvory 0x007e 16
wait_text kelvory-display 15 "Kelvory" "Display Changed"
keys Return
post Kelvory 0x0111 150
sleep 1
[ ! -s "$SHOTS/first.rc" ] || { echo "FAIL: an unknown command ended the program"; exit 1; }
post Kelvory 0x0111 103
rc=$(wait_exit first 20)
[ "$rc" = 0 ] || { echo "FAIL: exit code $rc after command 103"; exit 1; }
echo "PASS"
