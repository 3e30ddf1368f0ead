# Installs the Debian packages that a build leg needs, when they are missing.
# Usage: source scripts/deps.sh; zv_need_packages pkg...
zv_need_packages() {
  local missing=()
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

ZV_LINUX_PACKAGES=(cmake ninja-build g++ clang-14 googletest libgtest-dev libgmock-dev libbenchmark-dev
  libproj-dev proj-bin pkg-config binutils)
ZV_WINDOWS_PACKAGES=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64)
ZV_DOCS_PACKAGES=(doxygen)
# Debian's own Python packages for the zvk package; nothing from another index.
ZV_PYTHON_PACKAGES=(python3-cffi python3-pytest python3-matplotlib)
