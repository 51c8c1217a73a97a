# Reading the device stand-in's event lines in the net tests. Source it.

# wait_event FILE SECONDS REGEX: until a line of FILE matches REGEX.
wait_event() {
	local file=$1 deadline=$((SECONDS + $2))
	until grep -qE "$3" "$file" 2>/dev/null; do
		[ $SECONDS -lt "$deadline" ] || { echo "FAIL: no line /$3/ in $file:"; cat "$file"; return 1; }
		sleep 0.1
	done
}

# events_in_order FILE REGEX...: lines matching the REGEXes follow each other
# in FILE in this order (other lines may come between them).
events_in_order() {
	local file=$1 at=0 n re
	shift
	for re in "$@"; do
		n=$(tail -n "+$((at + 1))" "$file" | grep -nE -m 1 "$re" | cut -d: -f1) || n=
		[ -n "$n" ] || { echo "FAIL: no line /$re/ after line $at of $file:"; cat "$file"; return 1; }
		at=$((at + n))
	done
}

# hex_of FILE: its bytes as one string of lower-case hexadecimal.
hex_of() {
	od -An -v -tx1 "$1" | tr -d ' \n'
}

# restart_commands LOG OPTIONS...: (re)starts the stand-in's command service
# ($STANDIN) in the device's namespace with these options, its events in LOG,
# and waits until it is ready. Its pid is $commands_pid.
restart_commands() {
	local log=$1
	shift
	[ -n "${commands_pid:-}" ] && { kill "$commands_pid"; wait "$commands_pid" 2>/dev/null || true; }
	ip netns exec "$NS_DEVICE" "$STANDIN" --commands "$@" >"$log" &
	commands_pid=$!
	wait_event "$log" 10 '^ready$'
}
