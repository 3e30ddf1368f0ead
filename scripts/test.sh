#!/usr/bin/env bash
# Builds and runs the whole test suite.
#   scripts/test.sh            Linux, GCC, AddressSanitizer + UndefinedBehaviorSanitizer;
#                              then the Python package's tests against the optimised build
#   scripts/test.sh clang      the same with clang
#   scripts/test.sh windows    cross-built with MinGW-w64, tests run under Wine
#   scripts/test.sh memcheck   optimised build, every test under valgrind memcheck
#   scripts/test.sh coverage   GCC build with --coverage, no sanitizers; line and
#                              branch coverage of src/ printed by gcovr
#   scripts/test.sh lint       clang-format and clang-tidy over the tree
#   scripts/test.sh abi        the library's ABI against the record in abi/
#                              (--update rewrites the record after a deliberate change)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

leg="${1:-linux}"
case "$leg" in
  linux) preset=linux; zv_need_packages "${ZV_LINUX_PACKAGES[@]}" ;;
  clang) preset=linux-clang; zv_need_packages "${ZV_LINUX_PACKAGES[@]}" ;;
  windows) preset=windows; zv_need_packages "${ZV_WINDOWS_PACKAGES[@]}" ;;
  memcheck)
    # The optimised build, every test under valgrind: any memory error or
    # definite leak fails the run. Its own build folder, beside the release one.
    zv_need_packages "${ZV_LINUX_PACKAGES[@]}" valgrind
    build=build/memcheck
    cmake --preset release -B "$build" -DZV_BUILD_BENCH=OFF
    cmake --build "$build" -j "$(nproc)"
    # glibc's vector wmemcmp reads whole vectors past the end of a string
    # (never past a page); valgrind does not replace it and reports each read.
    supp="$build/glibc-vector-reads.supp"
    for kind in Addr8 Addr16 Addr32 Cond Value8 Value16 Value32; do
      printf '{\n  glibc-wmemcmp-%s\n  Memcheck:%s\n  fun:__wmemcmp_*\n}\n' "$kind" "$kind"
    done > "$supp"
    ctest --test-dir "$build" -T memcheck -j "$(nproc)" --output-on-failure \
      --overwrite MemoryCheckCommand="$(command -v valgrind)" \
      --overwrite MemoryCheckSuppressionFile="$PWD/$supp" \
      --overwrite MemoryCheckCommandOptions="--leak-check=full --errors-for-leak-kinds=definite --error-exitcode=1 --track-origins=yes"
    exit ;;
  coverage)
    # The Linux leg instrumented for coverage, in its own build folder. Counts
    # of a previous run are cleared first, so the figures are this run's. The
    # coverage runtime's symbols stay out of the modules' exports.
    zv_need_packages "${ZV_LINUX_PACKAGES[@]}" gcovr
    build=build/coverage
    cmake --preset linux -B "$build" -DZV_SANITIZE=OFF -DZV_BUILD_BENCH=OFF \
      -DCMAKE_C_FLAGS=--coverage -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
      "-DCMAKE_SHARED_LINKER_FLAGS=--coverage -Wl,--exclude-libs,libgcov.a"
    cmake --build "$build" -j "$(nproc)"
    find "$build" -name '*.gcda' -delete
    ctest --test-dir "$build" -j "$(nproc)" --output-on-failure
    # The library's own code only; branches that exist only to unwind an
    # exception are not counted (each call that may throw makes one). Each
    # layer sees src/ through links of its own (build/*/layers), so a header's
    # counts are gathered under its real path before they are summed.
    gcovr --root . --filter 'src/' --exclude-throw-branches --json "$build/coverage-raw.json" "$build"
    /usr/bin/python3 - "$build/coverage-raw.json" "$build/coverage.json" <<'PY'
import json, os, sys
data = json.load(open(sys.argv[1]))
for f in data["files"]:
    f["file"] = os.path.relpath(os.path.realpath(f["file"]))
json.dump(data, open(sys.argv[2], "w"))
PY
    gcovr --root . --add-tracefile "$build/coverage.json" --print-summary --txt "$build/coverage.txt"
    echo "Per file: $build/coverage.txt"
    exit ;;
  lint)
    # The layout of every C++ file, then clang-tidy's checks on the library,
    # the stand-ins, the examples and the tools (compile commands of a clang
    # configuration; nothing is built).
    zv_need_packages "${ZV_LINUX_PACKAGES[@]}" clang-format clang-tidy
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
    cmake --preset linux-clang -B build/lint -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DZV_SANITIZE=OFF >/dev/null
    # Files are chosen by their path inside the repository, whatever folders
    # the clone itself sits in (the compile commands hold physical paths).
    root=$(pwd -P | sed 's/[][\\.*^$+?(){}|]/\\&/g')
    run-clang-tidy -quiet -p build/lint -j "$(nproc)" "^$root/(src|standin|examples|tools)/.*\.cpp$"
    exit ;;
  abi)
    # The exported functions and what the public headers define of their
    # types (value types, the Izv_* interfaces plug-ins implement), read from
    # the debug information of a build without sanitizers and compared with
    # the record in abi/.
    zv_need_packages "${ZV_LINUX_PACKAGES[@]}" abigail-tools
    build=build/abi
    cmake --preset abi >/dev/null
    cmake --build --preset abi --target zvk_scn_2d -j "$(nproc)"
    abidw --suppressions abi/record.supp --no-comp-dir-path --no-corpus-path \
      --out-file "$build/zvk_scn_2d.abi" "$build/bin/libzvk_scn_2d.so"
    [ "${2:-}" != --update ] || cp "$build/zvk_scn_2d.abi" abi/zvk_scn_2d.abi
    abidiff --no-unreferenced-symbols --suppressions abi/compare.supp abi/zvk_scn_2d.abi "$build/zvk_scn_2d.abi" || {
      echo "The ABI changed; if on purpose, record it with '$0 abi --update' in the same commit." >&2
      exit 1
    }
    echo "ABI unchanged"
    exit ;;
  *) echo "usage: $0 [linux|clang|windows|memcheck|coverage|lint|abi]" >&2; exit 2 ;;
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
# The interpreter loads a build without sanitizers.
[ "$leg" != linux ] || bash scripts/python.sh test
