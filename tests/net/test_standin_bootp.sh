#!/usr/bin/env bash
# The stand-in's BOOTP client in a private test network, against a scripted
# server on the tool's side: a wrong-xid decoy is ignored, a store is acted
# on and reported in the next request, then an erase the same way.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/skip.sh"
. "$here/testnet.sh"
. "$here/events.sh"
STANDIN=${1:?usage: test_standin_bootp.sh QUORLAN_STANDIN}
MAC=02:c4:5b:00:00:01
need_root
command -v python3 >/dev/null || skip "python3 is not installed"
testnet_up
work=$(mktemp -d)
testnet_on_exit "rm -rf '$work'"

ip netns exec "$NS_TOOL" timeout 20 python3 "$here/bootp_peer.py" --mac "$MAC" --server "$TOOL_IP" \
	--timeout 15 --decoy store:10.213.0.77 erase >"$work/peer.log" &
wait_event "$work/peer.log" 10 '^ready$'

in_device timeout 20 "$STANDIN" --bootp --mac "$MAC" --interval 300 --count 6 --duration 10 >"$work/device.log"
cat "$work/device.log"

events_in_order "$work/device.log" \
	'^ready$' \
	'^request xid=[0-9a-f]{8} stored=0\.0\.0\.0$' \
	"^ignored reason=xid src=$TOOL_IP:67\$" \
	"^reply xid=[0-9a-f]{8} yiaddr=10\.213\.0\.77 siaddr=$TOOL_IP command=1 src=$TOOL_IP:67 length=300\$" \
	'^store address=10\.213\.0\.77$' \
	'^request xid=[0-9a-f]{8} stored=10\.213\.0\.77$' \
	"^reply xid=[0-9a-f]{8} yiaddr=10\.213\.0\.77 siaddr=$TOOL_IP command=2 src=$TOOL_IP:67 length=300\$" \
	'^erase$' \
	'^request xid=[0-9a-f]{8} stored=0\.0\.0\.0$' \
	'^done$'
if grep -q '10\.213\.0\.99' "$work/device.log"; then
	echo "FAIL: the decoy was acted on"; exit 1
fi
[ "$(grep -c '^request ' "$work/device.log")" -eq 6 ] || { echo "FAIL: not 6 requests"; exit 1; }
echo "PASS"
