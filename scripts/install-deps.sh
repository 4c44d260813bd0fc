#!/usr/bin/env bash
# Installs the Debian packages Quorin builds, tests and runs with, when any is missing.
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6svg6
          libgtest-dev googletest
          fonts-dejavu-core poppler-utils xvfb xauth xclip "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
