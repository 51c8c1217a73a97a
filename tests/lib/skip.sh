# Shared by the shell tests: a skip is exit code 77 for CTest, and a failure
# under CI (CI=true), where everything a test needs must be there.
skip() {
	echo "SKIP: $*"
	if [ "${CI:-}" = true ]; then
		echo "FAIL: CI must not skip"
		exit 1
	fi
	exit 77
}

need_root() {
	[ "$(id -u)" -eq 0 ] || skip "needs root to create network namespaces"
	ip netns list >/dev/null 2>&1 || skip "network namespaces are not available here"
}
