#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a while.
#   fuzz/run_fuzzers.sh [seconds per target, default 60] [build folder, default build-fuzz]
# New inputs collect in <build>/fuzz-corpus/<target>/; the seed corpus in fuzz/corpus/ is only
# read. Inputs that break a target land in <build>/fuzz-findings/<target>/; copy the small ones
# into fuzz/corpus/<target>/ once fixed, so that the ordinary test run keeps checking them.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build-fuzz}
targets=(number_text_fuzz mech_file_fuzz lance_file_fuzz)

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVEXOLAN_FUZZ=ON -DVEXOLAN_BUILD_TESTS=OFF -DVEXOLAN_BUILD_UI=OFF
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
    mkdir -p "$build/fuzz-corpus/$target" "$build/fuzz-findings/$target"
    echo "== $target: $seconds s"
    "$build/bin/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-findings/$target/" \
        "$build/fuzz-corpus/$target" "fuzz/corpus/$target" || status=1
done
exit $status
