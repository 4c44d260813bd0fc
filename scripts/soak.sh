#!/usr/bin/env bash
# A long check by hand (not in CI): quorin-batch create, append (some of
# them dry runs) and scatter on random inputs for SECONDS (default 600) under
# AddressSanitizer and UndefinedBehaviorSanitizer. Every run must end with
# status 0, 1 or 2 and no sanitizer report:   scripts/soak.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
scripts/install-deps.sh
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORIN_SANITIZE=ON -DQUORIN_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
batch=$PWD/build-asan/quorin-batch
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0

work=$(mktemp -d "${TMPDIR:-/tmp}/quorin-soak.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
touch JKT.WAV

texts=("" " " "abc" "-" "1e400" "32768" "-32769" "1,5" "70.5" "0" "12" "21" "2.5" "$(printf '9%.0s' {1..300})" $'\xc3\xb1' $'\xff' ",\"x")
pick() { local a=("$@"); printf '%s' "${a[RANDOM % ${#a[@]}]}"; }
options=(--batch-file --start-direction --frequency-case --load-case-start --damping --scf-correlation
    --stress-points --wave-steps --water-depth --global-scf --global-thickness --global-output-id
    --selective-scf --selective-thickness --group-set --group-no --selective-output-id)

runs=0
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
    # A wave table of up to 30 rows of random cells.
    : >waves.txt
    for ((r = RANDOM % 30; r > 0; r--)); do
        printf '%s\t%s\t%s\n' "$(pick "${texts[@]}")" "$(pick "${texts[@]}")" "$(pick 1 2 5 x)" >>waves.txt
    done
    command=$(pick create append scatter)
    if [ "$command" = scatter ]; then
        # A diagram of random cells, imported or opened.
        : >diagram.txt
        for ((r = RANDOM % 28; r > 0; r--)); do
            printf '%s\t%s\t%s\r\n' "$(pick "${texts[@]}")" "$(pick "${texts[@]}")" "$RANDOM" >>diagram.txt
        done
        args=(scatter "$(pick 1 2 12 03 "$(pick "${texts[@]}")")" --model JKT)
        if [ $((RANDOM % 2)) -eq 0 ]; then
            args+=(--import diagram.txt --overwrite --scaling "$(pick "${texts[@]}")" --years "$(pick "${texts[@]}")")
        else
            if [ $((RANDOM % 2)) -eq 0 ]; then args+=(--steepness); fi
        fi
    else
        args=("$command" --model JKT --waves waves.txt --overwrite
            --directions "$(pick 1 2 3 4 4sym 6 8 12)" "$(pick --static-only --no-static-only)")
        for ((k = RANDOM % 6; k > 0; k--)); do
            args+=("$(pick "${options[@]}")" "$(pick "${texts[@]}")")
        done
        if [ $((RANDOM % 4)) -eq 0 ]; then args+=(--dry-run); fi
    fi
    [ "${args[0]}" = append ] || [ $((RANDOM % 3)) -ne 0 ] || rm -f JKT.BRSF JKT.DFS
    status=0
    "$batch" "${args[@]}" >out.txt 2>err.txt || status=$?
    runs=$((runs + 1))
    if [ $status -gt 2 ] || grep -q -E 'Sanitizer|runtime error' err.txt; then
        echo "Run $runs failed with status $status: quorin-batch ${args[*]}"
        cat err.txt
        exit 1
    fi
done
echo "$runs runs of quorin-batch in $seconds seconds, every one ended cleanly"
