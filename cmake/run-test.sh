#!/usr/bin/env bash
# Runs one test process with a throw-away configuration directory, and optionally inside a private
# network namespace that has nothing but the loopback interface.
set -euo pipefail

private_network=0
while [ $# -gt 0 ]; do
    case "$1" in
        --private-network) private_network=1; shift ;;
        --) shift; break ;;
        *) echo "run-test.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
[ $# -gt 0 ] || { echo "run-test.sh: no command given" >&2; exit 2; }

config_home=$(mktemp -d "${TMPDIR:-/tmp}/panel-test-config.XXXXXX")
trap 'rm -rf "$config_home"' EXIT
export XDG_CONFIG_HOME="$config_home"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

if [ "$private_network" -eq 0 ]; then
    "$@"
    exit $?
fi

# Inside the namespace only lo exists; bring it up, then run the test.
inner='ip link set lo up && exec "$@"'
if [ "$(id -u)" -eq 0 ]; then
    unshare --net -- bash -c "$inner" run-test "$@"
else
    unshare --net --map-root-user -- bash -c "$inner" run-test "$@"
fi
