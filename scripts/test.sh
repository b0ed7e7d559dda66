#!/usr/bin/env bash
# Builds everything and runs every test twice: an optimised Release build (so
# -O3-only warnings fail here) and a build with the address and
# undefined-behaviour sanitizers (leak detection on).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
JOBS=$(nproc)

echo "== build (Release)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$JOBS"
echo "== tests"
ctest --test-dir build --output-on-failure -j "$JOBS"

echo "== build (sanitizers)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMORA_SANITIZE=ON -DLUMORA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$JOBS"
echo "== tests (sanitizers)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$JOBS"
