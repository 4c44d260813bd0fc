#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: once
# in a plain build, whose Debian package it then builds, installs and runs, and
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j"$(nproc)"
# The Debian package of that build, installed and run.
scripts/package-test.sh build

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORIN_SANITIZE=ON -DQUORIN_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

# Every reader of outside text under libFuzzer, 20 seconds a target.
scripts/fuzz.sh 20
