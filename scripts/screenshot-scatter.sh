#!/usr/bin/env bash
# Takes a screenshot of the scatter diagram editor with direction 1 of the demo
# model open, on a virtual screen: scripts/screenshot-scatter.sh [OUT.png] [SCALE]
# (default build/screenshot-scatter.png, scale 1; a scale of 2 shows it as at
# 200 % on a screen twice as large). QUORIN_BUILD_DIR names the build
# directory (default build); QUORIN_SCREENSHOT_STEEPNESS=1 opens with "Ste" checked.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-build/screenshot-scatter.png}
case $out in /*) ;; *) out=$root/$out ;; esac
scale=${2:-1}
build=${QUORIN_BUILD_DIR:-build}

scripts/install-deps.sh

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target scatter_screenshot -j1 >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/quorin-shot.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -r examples/demo/. "$work"
mkdir -p "$(dirname "$out")"

steepness=()
[ "${QUORIN_SCREENSHOT_STEEPNESS:-0}" = 1 ] && steepness=(--steepness)
cd "$work"
unset QT_QPA_PLATFORM
width=$((1366 * scale))
height=$((768 * scale))
QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${width}x${height}x24" \
    "$root/$build/tools/scatter_screenshot" DEMO 1 "$out" "${steepness[@]}"
