#!/usr/bin/env bash
# Installs what is needed, builds the panel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANEL_BUILD_TESTS=OFF
cmake --build build --parallel "$(nproc)"

if [ ! -x build/bin/pc_panel ]; then
    echo "The panel program is not part of this build yet; the libraries were built." >&2
    exit 0
fi
exec build/bin/pc_panel "$@"
