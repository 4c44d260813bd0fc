#!/usr/bin/env bash
# Installs what is missing, builds, and opens Quorin on a working copy of the
# demo model (examples/demo). Without a display it runs quorin-batch on it instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/quorin-demo.XXXXXX")
cp -r examples/demo/. "$work"
cd "$work"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Opening the demo model in $work"
    exec "$OLDPWD/build/quorin" --files1 "$work" --files2 "$work"
fi
echo "No display found: running the headless companion on a copy of the demo model in $work"
"$OLDPWD/build/quorin-batch" create --files1 "$work" --overwrite
ls "$work"
