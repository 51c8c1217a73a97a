#!/usr/bin/env bash
# Runs a Windows test program under Wine.
set -euo pipefail
. "$(dirname "$0")/../lib/skip.sh"
command -v wine >/dev/null || skip "wine is not installed"
[ -f "$1" ] || skip "$1 is not built"
WINEDEBUG=-all exec wine "$1"
