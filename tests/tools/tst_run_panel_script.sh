#!/usr/bin/env bash
# scripts/run-panel.sh finds the programs in the build folder PANEL_BUILD_DIR names, given
# absolutely or relatively, and in build/ of the clone by default. The script runs in a copy of
# its clone's layout, with stand-ins for the package installer, CMake and the panel, so nothing
# is installed or built: each stand-in panel says where it lies and what it was given.
# Usage: tst_run_panel_script.sh <path of scripts/run-panel.sh>
set -euo pipefail

script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

clone=$work/clone
mkdir -p "$clone/scripts" "$work/stand-ins" "$work/elsewhere"
cp "$script" "$clone/scripts/run-panel.sh"
printf '#!/usr/bin/env bash\nexit 0\n' >"$clone/scripts/install-deps.sh"
printf '#!/usr/bin/env bash\nexit 0\n' >"$work/stand-ins/cmake"
chmod +x "$work/stand-ins/cmake"

stand_in_panel() {
    mkdir -p "$1/bin"
    printf '#!/usr/bin/env bash\necho "panel $0 $*"\n' >"$1/bin/pc_panel"
    chmod +x "$1/bin/pc_panel"
}

failures=0
passes=0
# expect <name> <folder to start from> <PANEL_BUILD_DIR or -> <expected panel path>
expect() {
    local name=$1 start=$2 build_dir=$3 expected=$4 output
    if [ "$build_dir" = - ]; then
        output=$(cd "$start" && env -u PANEL_BUILD_DIR PATH="$work/stand-ins:$PATH" \
            bash "$clone/scripts/run-panel.sh" --real --instance=1 2>&1) || true
    else
        output=$(cd "$start" && env PANEL_BUILD_DIR="$build_dir" PATH="$work/stand-ins:$PATH" \
            bash "$clone/scripts/run-panel.sh" --real --instance=1 2>&1) || true
    fi
    if [ "$output" = "panel $expected --instance=1" ]; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        echo "FAIL $name: wanted \"panel $expected --instance=1\", got \"$output\""
    fi
}

stand_in_panel "$clone/build"
stand_in_panel "$work/elsewhere/absolute"
stand_in_panel "$work/elsewhere/relative"
stand_in_panel "$clone/in-clone"

expect "default" "$work" - "$clone/build/bin/pc_panel"
expect "absolute" "$work" "$work/elsewhere/absolute" "$work/elsewhere/absolute/bin/pc_panel"
expect "absolute from the clone" "$clone" "$work/elsewhere/absolute" \
    "$work/elsewhere/absolute/bin/pc_panel"
expect "relative to the start folder" "$work/elsewhere" "relative" \
    "$work/elsewhere/relative/bin/pc_panel"
expect "relative from the clone" "$clone" "in-clone" "$clone/in-clone/bin/pc_panel"

echo "run-panel.sh: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
