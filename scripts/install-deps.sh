#!/usr/bin/env bash
# Installs everything the panel needs to build, run and test on Debian 12.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6opengl6-dev libgl-dev
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
    qml6-module-qtquick-layouts qml6-module-qttest qml6-module-qtquick-controls
    qml6-module-qtquick-templates
    protobuf-compiler libprotobuf-dev libtclap-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format lld util-linux iproute2 xvfb tzdata
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
