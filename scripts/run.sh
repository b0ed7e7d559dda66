#!/usr/bin/env bash
# Builds the launcher and the local platform simulator, starts the simulator
# with its default profile (the hosts a fresh build points at) and runs the
# launcher against it. The simulator stops when the launcher ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null  # the same build test.sh makes
cmake --build build -j "$(nproc)" --target lumora lumora-sim

build/bin/lumora-sim &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
# Wait until the seed host answers (at most 5 s).
for _ in $(seq 50); do
  curl -s -o /dev/null http://127.0.0.1:18400/ && break
  sleep 0.1
done

build/bin/lumora
