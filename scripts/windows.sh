#!/usr/bin/env bash
# The Windows build: cross-compiles lumora.exe with MinGW-w64 on Debian 12.
#
#   bash scripts/windows.sh         installs the toolchain, builds the static
#                                   dependencies once (cached) and the program
#                                   into build-win/bin/
#   bash scripts/windows.sh test    also builds the unit tests and runs them
#                                   under Wine, then the end-to-end test
#   bash scripts/windows.sh e2e     the program and the end-to-end test only
#
# The dependency cache lives in .cache/win-deps/ (LUMORA_WIN_CACHE overrides
# it) and survives `rm -rf build-win`.
set -euo pipefail
cd "$(dirname "$0")/.."

WIN_ROOT=$(pwd)
WIN_CACHE=${LUMORA_WIN_CACHE:-$WIN_ROOT/.cache/win-deps}
WIN_TOOLCHAIN=$WIN_ROOT/cmake/mingw-w64.cmake
WIN_JOBS=${LUMORA_WIN_JOBS:-2}
WIN_BUILD=$WIN_ROOT/build-win
MODE=${1:-build}

WIN_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
              mingw-w64-x86-64-dev nasm cmake ninja-build pkg-config dpkg-dev ccache libstb-dev
              googletest)
WIN_TEST_PACKAGES=(wine wine64 xvfb x11-utils locales)

win_install() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q >/dev/null
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

win_build_program() {
  local tests=$1
  cmake -S "$WIN_ROOT" -B "$WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" -DLUMORA_WIN_PREFIX="$WIN_PREFIX" \
    -DLUMORA_BUILD_TESTS="$tests" -DLUMORA_BUILD_BENCH=OFF >/dev/null
  nice cmake --build "$WIN_BUILD" -j"$WIN_JOBS"
}

start=$(date +%s)
win_install "${WIN_PACKAGES[@]}"
# shellcheck source=scripts/windows-deps.sh
source "$WIN_ROOT/scripts/windows-deps.sh"
win_deps
echo "windows: dependencies ready after $(( $(date +%s) - start )) s"

case "$MODE" in
  build)
    win_build_program OFF
    ;;
  test)
    win_install "${WIN_TEST_PACKAGES[@]}"
    win_build_program ON
    # shellcheck source=scripts/windows-test.sh
    source "$WIN_ROOT/scripts/windows-test.sh"
    win_run_tests
    ;;
  e2e)
    win_install "${WIN_TEST_PACKAGES[@]}"
    win_build_program OFF
    # shellcheck source=scripts/windows-test.sh
    source "$WIN_ROOT/scripts/windows-test.sh"
    win_run_e2e
    ;;
  *)
    echo "usage: bash scripts/windows.sh [test|e2e]" >&2
    exit 2
    ;;
esac
echo "windows: done in $(( $(date +%s) - start )) s"
