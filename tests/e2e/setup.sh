# The start of every end-to-end test: a private test network and a desktop
# of its own, both gone when the test ends. Source it first.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../lib/skip.sh"
. "$here/../net/testnet.sh"
. "$here/../net/events.sh"
. "$here/desktop.sh"
need_root
desktop_need
testnet_up
desktop_up
testnet_on_exit desktop_down
