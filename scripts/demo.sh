#!/usr/bin/env bash
# Builds the library and runs the demo host, which prints the events that
# listeners see for a few scripted sequences of changes.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zv_need_packages "${ZV_LINUX_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target zv_demo_host
./build/release/bin/zv_demo_host
