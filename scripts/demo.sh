#!/usr/bin/env bash
# Builds the library, the sample plug-in and the demo host, and runs the demo:
# it prints the events that listeners see for a few scripted sequences of
# changes, loads the sample plug-in as a host does, builds a map from source
# names through the plug-in's filters and keeps scenes of the plug-in's type.
#   scripts/demo.sh               print the demo
#   scripts/demo.sh --svg FILE    also draw the map and a layout page into FILE
set -euo pipefail

usage() {
  echo "usage: $0 [--svg FILE]" >&2
  exit 2
}
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --svg)
      [ $# -ge 2 ] || usage
      # Relative to where the caller stands, not to the folder the demo runs in.
      args+=(--svg "$(realpath -m "$2")")
      shift 2
      ;;
    *) usage ;;
  esac
done

cd "$(dirname "$0")/.."
source scripts/deps.sh
zv_need_packages "${ZV_LINUX_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target zv_demo_host zv_sample_plugin
./build/release/bin/zv_demo_host "${args[@]+"${args[@]}"}"
