#!/usr/bin/env bash
# Builds the Debian package lumora_<version>_amd64.deb into dist/ and checks it
# (file list, unpacked run, lintian). Usage: bash scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
BUILD="${1:-build-package}"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_BUILD_TESTS=OFF \
  -DLUMORA_BUILD_BENCH=OFF >/dev/null
nice cmake --build "$BUILD" -j2
python3 -B tools/check_package.py "$BUILD" "$(dirname "$(command -v cmake)")/cpack" --lintian --keep dist
ls -l dist/*.deb
