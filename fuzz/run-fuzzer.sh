#!/usr/bin/env bash
# Builds the libFuzzer target over the picture loader with clang in build-fuzz/, writes
# the seed pictures and fuzzes for SECONDS (60 by default). A crash, a sanitizer
# report, a leak, more than 2 GB of memory or an input slower than 30 s fails the run,
# and the input that did it is left in build-fuzz/ (crash-*, leak-*, oom-*, timeout-*);
# replay one with build-fuzz/fuzz/picture_fuzzer FILE. What the run learnt stays in
# build-fuzz/corpus/ for the next one.
#   fuzz/run-fuzzer.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOVIK2_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build build-fuzz -j"$jobs" --target picture_fuzzer write_seeds
build-fuzz/fuzz/write_seeds build-fuzz/seeds
mkdir -p build-fuzz/corpus

cd build-fuzz
QT_QPA_PLATFORM=offscreen ./fuzz/picture_fuzzer corpus seeds -dict=../fuzz/picture.dict \
    -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=30 -max_len=65536 \
    -print_final_stats=1
