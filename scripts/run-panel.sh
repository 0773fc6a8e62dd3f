#!/usr/bin/env bash
# Installs what is needed, builds the panel and starts it.
#
#   bash scripts/run-panel.sh          the panel with a simulated sauna: both run in network
#                                      namespaces of their own, joined by a private link, so
#                                      nothing reaches your network and no sauna is needed
#   bash scripts/run-panel.sh --second-panel
#                                      the same, with a second panel (instance 1, settings and
#                                      window of its own) on the same simulated sauna, as two
#                                      users at two panels
#   bash scripts/run-panel.sh --real   the panel alone on this machine's network, for a real
#                                      sauna system on your local network
#
# Needs root or sudo (packages, network namespaces). PANEL_BUILD_DIR chooses the build folder
# (default: build in the clone), absolute or relative to the folder you start the script from.
# SIMULATOR_OPTIONS is passed on to the simulated sauna, for example
# SIMULATOR_OPTIONS="--system-type multisteam" for a system with three relay control boards, or
# SIMULATOR_OPTIONS="--error-log 12" for an error log of twelve entries. Closing the
# panel's window stops everything and removes the namespaces.
set -euo pipefail

# A build folder named relatively lies below the folder the script was started from; the default
# lies in the clone.
build_dir=
if [ -n "${PANEL_BUILD_DIR:-}" ]; then
    case "$PANEL_BUILD_DIR" in
        /*) build_dir=$PANEL_BUILD_DIR ;;
        *) build_dir=$PWD/$PANEL_BUILD_DIR ;;
    esac
fi
cd "$(dirname "$0")/.."
build_dir=${build_dir:-$PWD/build}

mode=simulated
second_panel=false
case "${1:-}" in
    --real)
        mode=real
        shift
        ;;
    --second-panel)
        second_panel=true
        shift
        ;;
esac

bash scripts/install-deps.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANEL_BUILD_TESTS=OFF
cmake --build "$build_dir" --parallel "$(nproc)" --target pc_panel sauna_simulator panel_qml \
    panel_translations

panel="$build_dir/bin/pc_panel"
simulator="$build_dir/bin/sauna_simulator"

if [ "$mode" = real ]; then
    exec "$panel" "$@"
fi

# ---- The simulated sauna ------------------------------------------------------------------------

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
# The panel runs as the user who started the script, so it reaches that user's display.
as_user=()
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ]; then
    as_user=(runuser -u "$SUDO_USER" --)
elif [ "$(id -u)" -ne 0 ]; then
    as_user=(sudo -u "$(id -un)" --)
fi

# A private subnet on a link of its own: the panel's end and the sauna's end of one veth pair.
subnet_prefix=10.231.9
panel_address=$subnet_prefix.1/24
sauna_address=$subnet_prefix.2/24
sauna_identity="{6f1c2b8e-3d4a-4e5f-9a7b-2c8d1e0f4a63}"
sauna_name="Simulated sauna"
panel_namespace=sauna-panel-$$
sauna_namespace=sauna-simulator-$$

config_home=$(mktemp -d /tmp/sauna-panel-config.XXXXXX)
second_config_home=
simulator_pid=
panel_pid=
second_panel_pid=

cleanup() {
    trap - EXIT INT TERM
    for pid in $second_panel_pid $panel_pid $simulator_pid; do
        "${as_root[@]}" kill "$pid" 2>/dev/null || true
    done
    for pid in $second_panel_pid $panel_pid $simulator_pid; do
        wait "$pid" 2>/dev/null || true
    done
    # Deleting a namespace deletes its end of the veth pair, and with it the other end.
    "${as_root[@]}" ip netns del "$panel_namespace" 2>/dev/null || true
    "${as_root[@]}" ip netns del "$sauna_namespace" 2>/dev/null || true
    rm -rf "$config_home"
    if [ -n "$second_config_home" ]; then
        rm -rf "$second_config_home"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"${as_root[@]}" ip netns add "$panel_namespace"
"${as_root[@]}" ip netns add "$sauna_namespace"
"${as_root[@]}" ip -n "$panel_namespace" link add panel0 type veth peer name sauna0 \
    netns "$sauna_namespace"
for side in "$panel_namespace panel0 $panel_address" "$sauna_namespace sauna0 $sauna_address"; do
    read -r namespace interface address <<<"$side"
    "${as_root[@]}" ip -n "$namespace" link set lo up
    "${as_root[@]}" ip -n "$namespace" addr add "$address" brd + dev "$interface"
    "${as_root[@]}" ip -n "$namespace" link set "$interface" up
done

# The panel's settings, in a throw-away folder: the simulated sauna is known and selected, and
# the panel connects to it by itself once it hears the sauna's announcement. A panel instance
# other than 0 keeps its selected sauna and auto-connect in a file of its own (PC_Panel_<n>.ini),
# beside the list of known saunas in PC_Panel.ini; the same keys serve both files.
write_panel_settings() { # <config folder> <settings file name>...
    local folder=$1
    shift
    mkdir -p "$folder/Vaho"
    for file in "$@"; do
        cat >"$folder/Vaho/$file" <<EOF
[General]
pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_identity=$sauna_identity
pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_rcb_product=7
pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_brand=0
pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_name=$sauna_name
pc_panel_remote_saunas\\size=1
pc_panel_selected_remote_sauna=$sauna_identity
pc_panel_auto_connect=true
EOF
    done
    if [ -n "${SUDO_USER:-}" ]; then
        chown -R "$SUDO_USER" "$folder"
    fi
}
write_panel_settings "$config_home" PC_Panel.ini
if [ "$second_panel" = true ]; then
    second_config_home=$(mktemp -d /tmp/sauna-panel-config.XXXXXX)
    write_panel_settings "$second_config_home" PC_Panel.ini PC_Panel_1.ini
fi

"${as_root[@]}" ip netns exec "$sauna_namespace" \
    "$simulator" --identity "$sauna_identity" --name "$sauna_name" ${SIMULATOR_OPTIONS:-} &
simulator_pid=$!

# The display goes through: X11's socket in /tmp/.X11-unix and the Wayland socket in the runtime
# folder are files, which every network namespace sees.
display_environment=()
for variable in DISPLAY XAUTHORITY WAYLAND_DISPLAY XDG_RUNTIME_DIR QT_QPA_PLATFORM; do
    if [ -n "${!variable:-}" ]; then
        display_environment+=("$variable=${!variable}")
    fi
done
if [ -n "${DISPLAY:-}" ] && [ -z "${XAUTHORITY:-}" ] && [ -f "$HOME/.Xauthority" ]; then
    display_environment+=("XAUTHORITY=$HOME/.Xauthority")
fi

# The second panel is another user at another panel: instance 1, so that the sauna tells the two
# apart, with settings of its own, in the same namespace as the first.
if [ "$second_panel" = true ]; then
    "${as_root[@]}" ip netns exec "$panel_namespace" \
        "${as_user[@]}" env "${display_environment[@]}" XDG_CONFIG_HOME="$second_config_home" \
        "$panel" --instance=1 "$@" &
    second_panel_pid=$!
fi
"${as_root[@]}" ip netns exec "$panel_namespace" \
    "${as_user[@]}" env "${display_environment[@]}" XDG_CONFIG_HOME="$config_home" "$panel" "$@" &
panel_pid=$!
status=0
wait "$panel_pid" || status=$?
panel_pid=
exit "$status"
