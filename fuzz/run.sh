#!/usr/bin/env bash
# Builds the fuzz targets with clang in a build folder of their own and runs each for
# SECONDS (60 when not given). Fails on the first finding; the input that caused it is
# left in build-fuzz/artifacts.
set -euo pipefail

seconds="${1:-60}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KRUGOVIK_FUZZ_BUILD:-$here/build-fuzz}"
jobs="${KRUGOVIK_FUZZ_JOBS:-2}"
targets=(fuzz_tournament_file fuzz_base_record fuzz_trf)

if [ ! -f "$build/build.ninja" ]; then
    CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKRUGOVIK_FUZZ=ON -DBUILD_TESTING=OFF
fi
cmake --build "$build" --target "${targets[@]}" -j "$jobs"

# Seeds: a new file and the three-player example, so the runs start inside the format.
seeds="$build/seeds/fuzz_tournament_file"
mkdir -p "$seeds" "$build/seeds/fuzz_base_record" "$build/seeds/fuzz_trf"
{ printf ' 3 '; head -c 64 /dev/zero; printf '\r\n'; } >"$seeds/new_file"
printf ' 3 \r\nA\r\n 1 \r\n1500\r\n 1000 \r\n1\r\n0.5\r\nB\r\n 2 \r\n1600\r\n 1000 \r\n0\r\n\r\nC\r\n 3 \r\n1700\r\n 1000 \r\n0.5\r\n\r\n' >"$seeds/three_players"
# The same with the extension: a second cycle, rules and a withdrawal.
{ cat "$seeds/three_players"; printf '*KRUGOVIK 2\r\nCYCLES 2\r\nREVERSE 1\r\nRESULTS 2\r\n1\r\n-\r\n0\r\n\r\n+\r\n\r\nTIEBREAKS DE WIN SB KS\r\nWITHDRAWN 2 3\r\n*END 11\r\n'; } >"$seeds/extension"
# The same with the event's details in the extension.
printf ' 3 \r\nA\r\n 1 \r\n1500\r\n 1000 \r\n1\r\n0.5\r\nB\r\n 2 \r\n1600\r\n 1000 \r\n0\r\n\r\nC\r\n 3 \r\n1700\r\n 1000 \r\n0.5\r\n\r\n*KRUGOVIK 2\r\nEVENT TITLE %%D0%%9A%%20A\r\nEVENT FEDERATION RUS\r\nEVENT ROUND 2 2026-12-01\r\nEVENT KIND BLITZ\r\n*END 4\r\n' >"$seeds/three_players_event"
printf 'Ivanov                  1550N' >"$build/seeds/fuzz_base_record/record"
# A TRF of three players who all drew.
printf '012 Seed\r\n142 3\r\n202 DE WIN SB KS\r\n%s\r\n%s\r\n%s\r\n' \
    '001    1      A                                                                  1.0    1  0000 - Z     2 w =     3 b =' \
    '001    2      B                                                                  1.0    1     3 w =     1 b =  0000 - Z' \
    '001    3      C                                                                  1.0    1     2 b =  0000 - Z     1 w =' >"$build/seeds/fuzz_trf/three_drawn"

for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target/"
    mkdir -p "$corpus" "$artifacts"
    echo "== $target for $seconds s"
    # libFuzzer exits non-zero on a crash, a leak, a sanitizer report or a timeout. Its
    # progress goes to a log; the end of the log is shown, all of it on a finding.
    log="$build/$target.log"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
        -artifact_prefix="$artifacts" -print_final_stats=1 "$corpus" "$build/seeds/$target" \
        >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "Finding in $target; the input is in $artifacts"
        # The input itself, so that a run on a machine that is gone can still be repeated.
        for input in "$artifacts"*; do
            [ -f "$input" ] && { echo "== $input (base64)"; head -c 16384 "$input" | base64; }
        done
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
done
echo "No findings."
