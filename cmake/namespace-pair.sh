#!/usr/bin/env bash
# Runs a command in a network namespace of its own that is joined to a second one, the sauna's, by
# a veth pair: a private subnet on which broadcasts work as on a real network, but from which no
# datagram can leave the machine.
#
#   namespace-pair.sh -- command [arguments...]
#
# Both namespaces, the pair, the addresses and the loopback interfaces are made, and both ends of
# the pair are up, before the command starts. The command runs in the panel's namespace with
#   PANEL_TEST_SAUNA_NAMESPACE   the name of the sauna's namespace, for `ip netns exec`
#   PANEL_TEST_PANEL_ADDRESS     the address of the panel's end, 10.231.7.1
#   PANEL_TEST_SAUNA_ADDRESS     the address of the sauna's end, 10.231.7.2
#   PANEL_TEST_BROADCAST_ADDRESS the subnet's broadcast address, 10.231.7.255
#   PANEL_TEST_PANEL_INTERFACE   the name of the panel's end, panel0
# On exit every process left in either namespace is stopped and both namespaces are removed.
# Needs root (`ip netns add`).
set -euo pipefail

[ "${1:-}" = "--" ] && shift
[ $# -gt 0 ] || { echo "namespace-pair.sh: no command given" >&2; exit 2; }

prefix=panel-test
panel_namespace=$prefix-$$-panel
sauna_namespace=$prefix-$$-sauna
panel_interface=panel0
sauna_interface=sauna0
panel_address=10.231.7.1
sauna_address=10.231.7.2

# Namespaces left behind by runs that were killed before they could clean up (the pid in the name
# is gone). Live runs of other builds keep theirs.
for path in /run/netns/"$prefix"-*-panel /run/netns/"$prefix"-*-sauna; do
    [ -e "$path" ] || continue
    name=${path#/run/netns/}
    owner=${name#"$prefix"-}
    owner=${owner%-*}
    if [ -n "$owner" ] && ! kill -0 "$owner" 2>/dev/null; then
        for pid in $(ip netns pids "$name" 2>/dev/null); do
            kill -KILL "$pid" 2>/dev/null || true
        done
        ip netns del "$name" 2>/dev/null || true
    fi
done

cleanup() {
    local status=$?
    trap - EXIT
    for namespace in "$panel_namespace" "$sauna_namespace"; do
        for pid in $(ip netns pids "$namespace" 2>/dev/null); do
            kill -KILL "$pid" 2>/dev/null || true
        done
        # Removing a namespace removes its end of the pair, and with it the other end.
        ip netns del "$namespace" 2>/dev/null || true
    done
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

ip netns add "$panel_namespace"
ip netns add "$sauna_namespace"
ip -n "$panel_namespace" link add "$panel_interface" type veth peer name "$sauna_interface" \
    netns "$sauna_namespace"
for side in "$panel_namespace $panel_interface $panel_address" \
    "$sauna_namespace $sauna_interface $sauna_address"; do
    read -r namespace interface address <<<"$side"
    ip -n "$namespace" link set lo up
    ip -n "$namespace" addr add "$address/24" brd + dev "$interface"
    ip -n "$namespace" link set "$interface" up
done

# A veth end reports its carrier only once both ends are up, and the kernel passes that on a
# little later. Each side must see the other before the command starts.
link_is_up() {
    ip -n "$1" -o link show dev "$2" | grep -q 'state UP'
}
for attempt in $(seq 1000); do
    if link_is_up "$panel_namespace" "$panel_interface" &&
        link_is_up "$sauna_namespace" "$sauna_interface"; then
        break
    fi
    if [ "$attempt" -eq 1000 ]; then
        echo "namespace-pair.sh: the veth pair did not come up" >&2
        ip -n "$panel_namespace" link show >&2
        ip -n "$sauna_namespace" link show >&2
        exit 1
    fi
    sleep 0.02
done

export PANEL_TEST_SAUNA_NAMESPACE=$sauna_namespace
export PANEL_TEST_PANEL_ADDRESS=$panel_address
export PANEL_TEST_SAUNA_ADDRESS=$sauna_address
export PANEL_TEST_BROADCAST_ADDRESS=10.231.7.255
export PANEL_TEST_PANEL_INTERFACE=$panel_interface
status=0
ip netns exec "$panel_namespace" "$@" || status=$?
exit "$status"
