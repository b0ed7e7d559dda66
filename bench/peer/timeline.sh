#!/usr/bin/env bash
# Where the launcher's first frame and memory go: runs it N times under strace on a private Xvfb
# with openbox against the simulator and prints the median time of each step from exec to the
# first painted frame, with the synchronous X round trips of each stretch; then once more
# without strace, and prints its resident and proportional memory by mapping with the lines shown.
#
#   bash bench/peer/timeline.sh [--runs N] [LAUNCHER]
#
# strace slows every system call down: the steps' order and shares are what count; the peer
# script gives the undisturbed first frame. STRACE_OPTIONS adds options (-k: a stack per call);
# KEEP_LOGS=DIR keeps the strace logs there.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${BUILD_DIR:-build}
SIM=$BUILD/bin/lumora-sim
XDRIVE=$BUILD/bin/xdrive

runs=5
launcher=$BUILD/bin/lumora
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    *) launcher=$1; shift ;;
  esac
done
cmake --build "$BUILD" --target lumora lumora-sim xdrive >/dev/null

source scripts/x-session.sh
session_start_measuring

calls=execve,openat,connect,close,shmget,poll,ppoll,exit_group
for i in $(seq "$runs"); do
  strace -f -ttt -qq ${STRACE_OPTIONS:-} -e trace=$calls -o "$SESSION_DIR/strace.$i" "$launcher" \
    2>"$SESSION_DIR/trace.$i" &
  pid=$!
  "$XDRIVE" wait-pixel CMainFrame 100 100 1D202A 30000 >"$SESSION_DIR/frame.$i" || true
  sleep 0.5
  "$XDRIVE" close CMainFrame || true
  wait "$pid" || true
done
python3 bench/peer/timeline.py "$SESSION_DIR" "$runs"
[ -z "${KEEP_LOGS:-}" ] || cp "$SESSION_DIR"/strace.* "$KEEP_LOGS"/

"$launcher" 2>"$SESSION_DIR/trace.memory" &
pid=$!
for _ in $(seq 600); do
  grep -q 'm_nSpeedTestFinishCount=8 total=8' "$SESSION_DIR/trace.memory" && break
  sleep 0.1
done
sleep 1  # the QR downloads and the last repaint settle first
echo
echo "memory with the lines shown, by mapping"
echo
python3 bench/peer/smaps.py "$pid"
"$XDRIVE" close CMainFrame || true
wait "$pid" || true
