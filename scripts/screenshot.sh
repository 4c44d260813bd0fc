#!/usr/bin/env bash
# Takes a screenshot of Quorin's main view on a virtual screen (QUORIN_SCREEN,
# default 1366x768, at the scaling QUORIN_SCALE, default 1), opened on a
# working copy of the demo model: scripts/screenshot.sh [OUT.png]
# (default build/screenshot.png). QUORIN_BUILD_DIR names the build directory
# (default build); QUORIN_SCREENSHOT_MODEL the model folder to copy (default
# examples/demo; a missing folder gives an empty one); QUORIN_SCREENSHOT_DELAY
# the seconds to wait for the window; QUORIN_SCREENSHOT_CHART=1 opens it with
# the wave chart shown (in a settings store of its own).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-build/screenshot.png}
case $out in /*) ;; *) out=$root/$out ;; esac
build=${QUORIN_BUILD_DIR:-build}
model=${QUORIN_SCREENSHOT_MODEL:-examples/demo}
delay=${QUORIN_SCREENSHOT_DELAY:-3}
screen=${QUORIN_SCREEN:-1366x768}
export QT_SCALE_FACTOR=${QUORIN_SCALE:-1}

scripts/install-deps.sh imagemagick

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target quorin -j"$(nproc)" >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/quorin-shot.XXXXXX")
trap 'rm -rf "$work"' EXIT
if [ -d "$model" ]; then
    cp -r "$model/." "$work"
fi
mkdir -p "$(dirname "$out")"

if [ "${QUORIN_SCREENSHOT_CHART:-0}" = 1 ]; then
    mkdir -p "$work/.config/Quorin"
    printf '[WaveChart]\nShown=1\n' >"$work/.config/Quorin/Quorin.conf"
    export XDG_CONFIG_HOME=$work/.config
fi

# The model stem in model.NAM is taken against the current directory.
cd "$work"
unset QT_QPA_PLATFORM
export QUORIN_BIN=$root/$build/quorin QUORIN_WORK=$work QUORIN_OUT=$out QUORIN_DELAY=$delay
xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
    "$QUORIN_BIN" --files1 "$QUORIN_WORK" --files2 "$QUORIN_WORK" &
    pid=$!
    sleep "$QUORIN_DELAY"
    import -window root "$QUORIN_OUT"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
'
echo "Screenshot written to $out"
