#!/usr/bin/env bash
# The stand-in refuses to run in the host's network namespace, before it
# opens anything. The options given would send nothing even if it ran.
set -euo pipefail
STANDIN=${1:?usage: test_standin_host_namespace.sh QUORLAN_STANDIN}
. "$(dirname "$0")/../lib/skip.sh"
self=$(stat -L -c %d:%i /proc/self/ns/net)
if host=$(stat -L -c %d:%i /proc/1/ns/net 2>/dev/null) && [ "$self" != "$host" ]; then
	skip "this test is not in the host's network namespace"
fi
if [ -n "$(ip netns identify $$ 2>/dev/null)" ]; then
	skip "this test runs inside the namespace $(ip netns identify $$)"
fi

rc=0
out=$("$STANDIN" --commands --refuse --duration 1 2>"${TMPDIR:-/tmp}/standin.$$.err") || rc=$?
err=$(cat "${TMPDIR:-/tmp}/standin.$$.err"); rm -f "${TMPDIR:-/tmp}/standin.$$.err"
[ "$rc" -eq 2 ] || { echo "FAIL: exit code $rc"; exit 1; }
[ -z "$out" ] || { echo "FAIL: it printed events: $out"; exit 1; }
[ "$err" = "quorlan-standin: refusing to run in the host's network namespace: it broadcasts, and only a private test network may hear it" ] ||
	{ echo "FAIL: message: $err"; exit 1; }
echo "PASS"
