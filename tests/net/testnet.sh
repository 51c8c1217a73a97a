# The private test network: two network namespaces, the tool's side and the
# device's side, joined by a veth pair. Each side has a default route through
# the link, so that the limited broadcast 255.255.255.255 crosses it (without
# a route Linux answers ENETUNREACH). Source it, then call testnet_up.
#
# testnet_up exports NS_TOOL, NS_DEVICE, TOOL_IP and DEVICE_IP; on exit,
# whatever the path, everything still running in either namespace is killed
# and both are deleted. testnet_on_exit CMD runs CMD first at that moment.

TESTNET_EXIT=()

testnet_on_exit() {
	TESTNET_EXIT+=("$*")
}

testnet_down() {
	local cmd ns pid
	trap - EXIT INT TERM
	for cmd in "${TESTNET_EXIT[@]}"; do eval "$cmd" || true; done
	TESTNET_EXIT=()
	for ns in ${NS_TOOL:-} ${NS_DEVICE:-}; do
		for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -9 "$pid" 2>/dev/null || true; done
		ip netns delete "$ns" 2>/dev/null || true
	done
	NS_TOOL= NS_DEVICE=
}

testnet_up() {
	if [ "$(id -u)" -ne 0 ]; then
		echo "testnet: needs root (or CAP_NET_ADMIN) to create network namespaces" >&2
		return 1
	fi
	local tag="qz$$$RANDOM"
	export NS_TOOL="${tag}t" NS_DEVICE="${tag}d" TOOL_IP=10.213.0.1 DEVICE_IP=10.213.0.2
	trap testnet_down EXIT
	trap 'exit 130' INT TERM
	ip netns add "$NS_TOOL"
	ip netns add "$NS_DEVICE"
	ip link add "${tag}a" netns "$NS_TOOL" type veth peer name "${tag}b" netns "$NS_DEVICE"
	testnet_side "$NS_TOOL" "${tag}a" "$TOOL_IP"
	testnet_side "$NS_DEVICE" "${tag}b" "$DEVICE_IP"
}

testnet_side() {
	local ns=$1 link=$2 address=$3
	ip -n "$ns" link set lo up
	ip -n "$ns" addr add "$address/24" dev "$link"
	ip -n "$ns" link set "$link" up
	ip -n "$ns" route add default dev "$link"
}

# in_tool CMD... and in_device CMD...: run on one side, with the caller's
# environment (an Xvfb display started outside is reached over its socket file).
# A process to be killed later is started with ip netns exec itself, so that $!
# is its own pid and not that of a subshell.
in_tool() {
	ip netns exec "$NS_TOOL" "$@"
}

in_device() {
	ip netns exec "$NS_DEVICE" "$@"
}
