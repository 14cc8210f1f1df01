#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (seconds, default 60).
# Any finding makes the script fail.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$here/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
    CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKRUGOVIK_FUZZ=ON -DBUILD_TESTING=OFF
fi
cmake --build "$build" --target fuzz_tournament_file fuzz_base_record
for target in fuzz_tournament_file fuzz_base_record; do
    corpus="$build/corpus-$target"
    mkdir -p "$corpus"
    echo "fuzzing $target for ${seconds}s"
    "$build/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
done
