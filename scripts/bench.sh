#!/bin/bash
# Builds zv_bench optimised (preset "release", build/release), runs every
# benchmark and prints one table: time per element at two sizes, the floor
# it is compared with, and the ratios the targets bound. Exits non-zero
# when a target is missed, naming it. Extra arguments go to zv_bench (e.g.
# --benchmark_filter=scene, --benchmark_repetitions=5).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zv_need_packages "${ZV_LINUX_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build build/release --target zv_bench -j2
echo
echo "load average before the run: $(uptime | sed 's/.*load average: //')"
status=0
# Nine repetitions of every benchmark in random order: a busy minute on a
# shared host then slows one repetition of several rows, not every
# repetition of one row, and each row's best comes from a quiet one.
build/release/bin/zv_bench --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
  --benchmark_min_time=0.2 "$@" || status=$?
echo "load average after the run: $(uptime | sed 's/.*load average: //')"
exit $status
