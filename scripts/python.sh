#!/usr/bin/env bash
# The Python package (python/zvk) against the optimised build (preset
# "release", build/release, no sanitizers, which the interpreter loads):
#   scripts/python.sh [FILE.png]   builds the library, the sample plug-in and the
#                                  package's declarations, then draws the overview
#                                  example (examples/python/overview.py) into FILE.png
#                                  (default build/overview.png)
#   scripts/python.sh test         the same build, then the pytest tests (python/tests)
#   scripts/python.sh bench        the package's cost beside the same loops in C++
# Debian's /usr/bin/python3 with Debian's python3-cffi, -pytest and
# -matplotlib; the python3 first on PATH may be another interpreter.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zv_need_packages "${ZV_LINUX_PACKAGES[@]}" "${ZV_PYTHON_PACKAGES[@]}"
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
cmake --preset release >/dev/null
targets=(zvk_scn_2d zv_sample_plugin zvk_python)
[ "${1:-}" != bench ] || targets+=(zv_python_c_loops)
cmake --build build/release --target "${targets[@]}" -j2
export ZVK_LIBRARY_DIR="$PWD/build/release/bin" PYTHONDONTWRITEBYTECODE=1
case "${1:-}" in
  test) /usr/bin/python3 -m pytest -q -p no:cacheprovider python/tests ;;
  bench) /usr/bin/python3 bench/python/bench.py ;;
  *) /usr/bin/python3 examples/python/overview.py "${1:-build/overview.png}" ;;
esac
