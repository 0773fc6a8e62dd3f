#!/usr/bin/env bash
# The panel's resident memory while a lying sauna (flood_sauna) floods it. Runs in the namespaces
# of namespace-pair.sh, the sauna in its own, so nothing leaves the machine:
#
#   cmake/namespace-pair.sh -- bash bench/flood/flood_measure.sh BUILD_DIR [PANEL] [KIND] [ITEMS] [SECONDS]
#
# PANEL defaults to BUILD_DIR/bin/pc_panel, KIND to nodes, ITEMS to 5000, SECONDS to 60. Prints
# the panel's resident memory and the processor time it has used every five seconds, from
# connection to the end of the flood, and once more ten seconds after it.
set -euo pipefail

build_dir=$(cd "$1" && pwd)
panel=${2:-$build_dir/bin/pc_panel}
kind=${3:-nodes}
items=${4:-5000}
seconds=${5:-60}
[ -n "${PANEL_TEST_SAUNA_NAMESPACE:-}" ] || {
    echo "flood_measure.sh: run it through cmake/namespace-pair.sh" >&2
    exit 2
}

config_home=$(mktemp -d /tmp/flood-panel-config.XXXXXX)
sauna_output=$config_home/sauna.out
sauna_pid=
panel_pid=
cleanup() {
    for pid in $panel_pid $sauna_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$config_home"
}
trap cleanup EXIT

identity="{6f1c2b8e-3d4a-4e5f-9a7b-2c8d1e0f4a63}"
mkdir -p "$config_home/Vaho"
cat >"$config_home/Vaho/PC_Panel.ini" <<EOF
[General]
pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_identity=$identity
pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_rcb_product=7
pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_brand=0
pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_name=Simulated sauna
pc_panel_remote_saunas\\size=1
pc_panel_selected_remote_sauna=$identity
pc_panel_auto_connect=true
EOF

ip netns exec "$PANEL_TEST_SAUNA_NAMESPACE" "$build_dir/bin/flood_sauna" --kind "$kind" \
    --items "$items" --seconds "$seconds" >"$sauna_output" &
sauna_pid=$!

XDG_CONFIG_HOME=$config_home QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.debug=false" \
    "$panel" >/dev/null 2>&1 &
panel_pid=$!

rss_mb() {
    awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$panel_pid/status"
}
# Processor time the panel has used, user and system, in seconds.
cpu_s() {
    awk -v ticks="$(getconf CLK_TCK)" '{ printf "%.1f", ($14 + $15) / ticks }' \
        "/proc/$panel_pid/stat"
}

for _ in $(seq 300); do
    grep -q connected "$sauna_output" && break
    sleep 0.1
done
grep -q connected "$sauna_output" || {
    echo "flood_measure.sh: the panel did not connect" >&2
    exit 1
}
head -1 "$sauna_output"
elapsed=0
while kill -0 "$sauna_pid" 2>/dev/null; do
    echo "t=${elapsed}s rss=$(rss_mb) MB cpu=$(cpu_s) s"
    sleep 5
    elapsed=$((elapsed + 5))
done
tail -1 "$sauna_output"
echo "flood over: rss=$(rss_mb) MB cpu=$(cpu_s) s"
sleep 10
echo "ten seconds later: rss=$(rss_mb) MB cpu=$(cpu_s) s"
