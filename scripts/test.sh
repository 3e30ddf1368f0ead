#!/usr/bin/env bash
# Builds and runs the whole test suite.
#   scripts/test.sh            Linux, GCC, AddressSanitizer + UndefinedBehaviorSanitizer
#   scripts/test.sh clang      the same with clang
#   scripts/test.sh windows    cross-built with MinGW-w64, tests run under Wine
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

leg="${1:-linux}"
case "$leg" in
  linux) preset=linux; zv_need_packages "${ZV_LINUX_PACKAGES[@]}" ;;
  clang) preset=linux-clang; zv_need_packages "${ZV_LINUX_PACKAGES[@]}" ;;
  windows) preset=windows; zv_need_packages "${ZV_WINDOWS_PACKAGES[@]}" ;;
  *) echo "usage: $0 [linux|clang|windows]" >&2; exit 2 ;;
esac

if [ "$leg" = windows ]; then
  export WINEDEBUG=-all
  export WINEPREFIX="${WINEPREFIX:-$PWD/build/wineprefix}"
  mkdir -p "$WINEPREFIX"
  # The first start of a fresh prefix sets it up; do it once, quietly.
  [ -f "$WINEPREFIX/system.reg" ] || /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
fi

cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
