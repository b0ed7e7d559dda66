#!/usr/bin/env bash
# Builds the launcher and the local platform simulator, starts the simulator
# with its default profile (the hosts a fresh build points at) and runs the
# launcher against it.
#
# With DISPLAY set the window opens there and the script ends with the
# launcher's exit code. Without one it runs the launcher on a private Xvfb
# (openbox, xcompmgr), waits for the speed test to finish, saves a screenshot
# (its path is printed), closes the window as a window manager would and
# exits 0. BUILD_DIR picks the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}

bash scripts/setup.sh
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null  # the same build test.sh makes
cmake --build "$BUILD" -j "$(nproc)" --target lumora lumora-sim xdrive

SIM=$BUILD/bin/lumora-sim
XDRIVE=$BUILD/bin/xdrive
LAUNCHER=$BUILD/bin/lumora
source scripts/x-session.sh
trap session_end EXIT

session_start_sim

if [ -n "${DISPLAY:-}" ]; then
  code=0
  "$LAUNCHER" || code=$?
  exit "$code"
fi

SPEED_TEST_LIMIT_S=60  # eight probes on three workers, one of them hanging for 5 s
CLOSE_LIMIT_S=15       # the pool lets running probes end (at most 5 s each)
SHOT=$PWD/$BUILD/screenshots/run.png
mkdir -p "$(dirname "$SHOT")"

session_start_x
session_start_launcher "$LAUNCHER"
"$XDRIVE" wait-window CMainFrame 15000 >/dev/null
session_wait_speed_test "$SPEED_TEST_LIMIT_S"
"$XDRIVE" shot "$SHOT"
echo "screenshot: $SHOT"
"$XDRIVE" close CMainFrame
session_wait_launcher_exit "$CLOSE_LIMIT_S"
if [ "$LAUNCHER_CODE" != 0 ]; then
  echo "the launcher exited with $LAUNCHER_CODE" >&2
  exit 1
fi
