#!/usr/bin/env bash
# Builds the fuzz targets with clang 19 (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS, two at a time, on a
# corpus seeded from the repository's own example and test files:
#   scripts/fuzz.sh [SECONDS] [TARGET...]      (default 20 seconds, every target)
# The corpus grows under build-fuzz/corpus; a finding stops the run with the
# target's log and the input that broke it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
all=(batchoptions listinput modelname numbers rangetext scatterfile settingsfile)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

scripts/install-deps.sh clang-19 libclang-rt-19-dev
# The build's output is shown only when it fails.
mkdir -p build-fuzz
if ! { CC=clang-19 CXX=clang++-19 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORIN_FUZZ=ON -DQUORIN_TESTS=OFF -DQUORIN_BENCHMARKS=OFF \
    && cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"; } >build-fuzz/build.log 2>&1; then
    echo "The fuzz targets did not build:"
    grep -E -A8 'error|FAILED' build-fuzz/build.log | head -n 60
    exit 1
fi

# Seeds: the repository's files for the file readers, a few typed texts and command lines.
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{listinput,settingsfile,modelname,scatterfile,numbers,rangetext,batchoptions}
for f in examples/demo/*.DFS tests/data/e2e/*.DFS examples/demo/model.NAM examples/demo/*.DBS*; do
    cp "$f" "$seeds/listinput/"
done
cp examples/demo/*.DFS tests/data/e2e/*.DFS "$seeds/settingsfile/"
cp examples/demo/model.NAM "$seeds/modelname/"
cp examples/demo/*.DBS* "$seeds/scatterfile/"
i=0
for text in "12.5" "-1E3" " 70 " "2,5" ".5e-3x" "32767.5" "1e39"; do
    printf '%s' "$text" >"$seeds/numbers/$((i += 1))"
done
printf '\x03\x04\x11\x12-1.5\t 7\t.5\r\n2.0\t12\r\n' >"$seeds/rangetext/1"
printf 'create\0--directions\0004sym\0--static-only\0--frequency-case\00060' >"$seeds/batchoptions/1"
printf 'append\0--description=LEGS\0--group-by\0element\0--overwrite' >"$seeds/batchoptions/2"

mkdir -p build-fuzz/logs
run() {
    local target=$1 corpus=build-fuzz/corpus/$1
    mkdir -p "$corpus"
    if build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix=build-fuzz/logs/"$target"- "$corpus" "$seeds/$target" \
        >build-fuzz/logs/"$target".log 2>&1; then
        printf '%-14s %s, corpus %s\n' "$target" \
            "$(grep -o 'Done [0-9]* runs in [0-9]* second(s)' build-fuzz/logs/"$target".log)" \
            "$(find "$corpus" -type f | wc -l)"
    else
        echo "$target: FINDING"
        tail -n 30 build-fuzz/logs/"$target".log
        return 1
    fi
}

failed=0
for ((k = 0; k < ${#targets[@]}; k += 2)); do
    pids=()
    for t in "${targets[@]:k:2}"; do
        run "$t" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || failed=1
    done
done
exit $failed
