#!/usr/bin/env bash
# Runs one test process with a throw-away configuration directory, and optionally inside a private
# network namespace: --private-network has nothing but the loopback interface, --sauna-namespace
# adds a veth pair to a second namespace for a simulated sauna (see namespace-pair.sh).
set -euo pipefail

private_network=0
sauna_namespace=0
while [ $# -gt 0 ]; do
    case "$1" in
        --private-network) private_network=1; shift ;;
        --sauna-namespace) private_network=1; sauna_namespace=1; shift ;;
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

# Only root can make named namespaces. Without them the test runs in a private namespace with lo
# alone, where it finds no sauna namespace and skips.
if [ "$sauna_namespace" -eq 1 ] && [ "$(id -u)" -eq 0 ]; then
    status=0
    bash "$(dirname "$0")/namespace-pair.sh" -- "$@" || status=$?
    exit "$status"
fi

# Inside the namespace only lo exists; bring it up, then run the test.
inner='ip link set lo up && exec "$@"'
if [ "$(id -u)" -eq 0 ]; then
    unshare --net -- bash -c "$inner" run-test "$@"
else
    unshare --net --map-root-user -- bash -c "$inner" run-test "$@"
fi
