#!/usr/bin/env bash
# Builds the Debian package from a build directory that is already built (default
# build/), validates its desktop entry and AppStream metadata, installs it with
# dpkg -i and runs the installed programs on a working copy of the demo model:
#   scripts/package-test.sh [BUILD_DIR]
# The package is removed again at the end unless it was installed before.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/install-deps.sh dpkg-dev appstream desktop-file-utils

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
version=$(sed -n 's/^#define QUORIN_VERSION "\(.*\)"$/\1/p' "$build/generated/quorin_version.h")
app_id=org.example.quorin

rm -rf "$build/package"
if ! cpack --config "$build/CPackConfig.cmake" >"$build/cpack.log" 2>&1; then
    cat "$build/cpack.log"
    exit 1
fi
deb=$build/package/quorin_${version}_$(dpkg --print-architecture).deb
echo "Built $deb"
dpkg-deb --field "$deb" Package Version Depends

was_installed=0
dpkg-query -W -f='${Status}' quorin 2>/dev/null | grep -q "install ok installed" && was_installed=1
work=$(mktemp -d "${TMPDIR:-/tmp}/quorin-package.XXXXXX")
cleanup() {
    rm -rf "$work"
    if [ $was_installed -eq 0 ]; then
        "${sudo_cmd[@]}" dpkg -r quorin >/dev/null
    fi
}
trap cleanup EXIT
"${sudo_cmd[@]}" dpkg -i "$deb" >/dev/null

desktop-file-validate /usr/share/applications/$app_id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$app_id.metainfo.xml
test -f /usr/share/icons/hicolor/scalable/apps/$app_id.svg

check_output() {
    local expected=$1 actual
    shift
    actual=$("$@")
    if [ "$actual" != "$expected" ]; then
        echo "$*: printed '$actual', expected '$expected'"
        exit 1
    fi
}
check_output "quorin-batch $version" /usr/bin/quorin-batch --version
check_output "quorin $version" /usr/bin/quorin --version

# The model stem in model.NAM is taken against the current directory.
cp -r examples/demo/. "$work"
(cd "$work" && /usr/bin/quorin-batch create --files1 "$work" --overwrite)
if [ ! -s "$work/DEMO.BRSF" ]; then
    echo "The installed quorin-batch create wrote no batch control file"
    exit 1
fi
# The report draws with the fonts and the offscreen platform the package brings.
(cd "$work" && /usr/bin/quorin-batch report --files1 "$work" --out DEMO-report.pdf)
if [ "$(head -c 5 "$work/DEMO-report.pdf")" != "%PDF-" ]; then
    echo "The installed quorin-batch report wrote no PDF"
    exit 1
fi
echo "The installed package runs: quorin-batch create wrote DEMO.BRSF, report DEMO-report.pdf"
