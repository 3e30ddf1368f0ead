#!/usr/bin/env bash
# Builds the host developer's reference from the public headers and the
# guides in docs/ into build/docs/html. Fails on any Doxygen warning, an
# undocumented exported function among them, and on a public header without
# a file comment (Doxygen would skip its functions unchecked).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zv_need_packages "${ZV_DOCS_PACKAGES[@]}"

excluded='^include/zv/(sibling/|framework/(adapters|binding|catalogue|handles|string_adp_visitor)\.h$)'
missing=$(find include/zv -name '*.h' | grep -Ev "$excluded" | xargs grep -L '^/// \\file$' || true)
if [ -n "$missing" ]; then
  echo "public headers without a \\file comment:" >&2
  echo "$missing" >&2
  exit 1
fi

mkdir -p build/docs
doxygen docs/Doxyfile
echo "Reference: build/docs/html/index.html"
