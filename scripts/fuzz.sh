#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan, every module instrumented
# for coverage) and fuzzes the flat interface for a while.
#   scripts/fuzz.sh [seconds]     default 60
# Starts from the seed corpus in fuzz/corpus/scene_api; new inputs and any
# crash go to build/fuzz/finds, never into the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zv_need_packages "${ZV_LINUX_PACKAGES[@]}"

seconds="${1:-60}"
build=build/fuzz
finds="$build/finds"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_C_COMPILER=clang-14 \
  -DZV_SANITIZE=ON -DZV_WERROR=ON -DZV_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
cmake --build "$build" -j "$(nproc)" --target zv_scene_api_fuzz zv_text_fuzz

mkdir -p "$finds/corpus" "$finds/crashes"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$build/bin/zv_scene_api_fuzz" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
  -artifact_prefix="$finds/crashes/" "$finds/corpus" fuzz/corpus/scene_api
