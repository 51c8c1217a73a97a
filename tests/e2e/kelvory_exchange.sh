#!/usr/bin/env bash
# Kelvory.exe under Wine against the device stand-in, driven as a person
# would: the default answer, a store, a request from a stranger, an erase.
. "$(dirname "$0")/setup.sh"

DEVICE=02:c4:5b:12:34:56
TARGET=10.213.0.77

run_windows kelvory "$KELVORY_EXE"
wait_text kelvory-started 60 "Getting Started:" \
	"Open the File Menu and Configure.  Select OK to apply" \
	"configuration.  Attach the Quorlan to the network and" \
	"apply power.  Do NOT remove power while Storing or"

echo "the default settings answer a device of the default address with a store of 0.0.0.0"
in_device "$STANDIN" --bootp --once --mac 02:c4:5b:00:00:00 --interval 5000 >"$SHOTS/default.log"
wait_event "$SHOTS/default.log" 1 '^reply .*yiaddr=0\.0\.0\.0 siaddr=0\.0\.0\.0 command=1 .*length=300'

echo "F2 and the dialog set the device, the target and the host"
keys F2
wait_text kelvory-configure 15 "CONFIGURE" "Ethernet address" "02:c4:5b:00:00:00" "Store IP" "Erase IP"
type_text "$DEVICE"
keys Tab
type_text "$TARGET"
keys Tab
type_text 10.213.0.1
keys Return
ip netns exec "$NS_DEVICE" "$STANDIN" --bootp --mac "$DEVICE" --interval 700 --count 40 --duration 40 >"$SHOTS/store.log" &
device=$!
wait_event "$SHOTS/store.log" 20 "^reply .*yiaddr=$TARGET siaddr=10\.213\.0\.1 command=1"
wait_event "$SHOTS/store.log" 5 "^store address=$TARGET"
wait_event "$SHOTS/store.log" 5 "^request .*stored=$TARGET"
if grep '^reply ' "$SHOTS/store.log" | grep -q "src=$TOOL_IP:67 "; then
	echo "FAIL: a reply came from port 67, not from a port of its own"; exit 1
fi
wait_text kelvory-stored 10 "Request From:  02:c4:5b:12:34:56" "Address $TARGET stored."
kill $device; wait $device 2>/dev/null || true

echo "a request from another Ethernet address gets no reply"
in_device "$STANDIN" --bootp --once --mac 02:c4:5b:99:99:99 --interval 3000 >"$SHOTS/stranger.log"
wait_event "$SHOTS/stranger.log" 1 '^request '
if grep -q '^reply ' "$SHOTS/stranger.log"; then
	echo "FAIL: the stranger was answered"; exit 1
fi
wait_text kelvory-stranger 10 "Request From:  02:c4:5b:99:99:99" "Ethernet address does not match.  IP not assigned."

echo "Erase IP makes the configured device erase its address"
keys F2
wait_text kelvory-configure-again 15 "CONFIGURE" "$DEVICE" "$TARGET"
click_word kelvory-configure-again Erase
keys Return
ip netns exec "$NS_DEVICE" "$STANDIN" --bootp --mac "$DEVICE" --stored "$TARGET" --interval 700 --count 40 --duration 40 >"$SHOTS/erase.log" &
device=$!
wait_event "$SHOTS/erase.log" 20 "^reply .*yiaddr=$TARGET .*command=2"
wait_event "$SHOTS/erase.log" 5 '^erase'
wait_event "$SHOTS/erase.log" 5 '^request .*stored=0\.0\.0\.0'
wait_text kelvory-erased 10 "Address erased."
kill $device; wait $device 2>/dev/null || true
echo "PASS"
