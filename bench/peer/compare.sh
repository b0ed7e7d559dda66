#!/usr/bin/env bash
# The launcher side by side with a plain-toolkit window of its size: both run alternately, N pairs,
# on one private Xvfb with openbox against the simulator's default hosts; prints medians and
# ranges of the first frame, memory, idle CPU, hover and page-switch repaint.
#
#   bash bench/peer/compare.sh [--pairs N] [--idle-ms MS] [--no-interact] [NAME=LAUNCHER ...]
#
# Without NAME=LAUNCHER it measures lumora=$BUILD/bin/lumora; give several (an older build too)
# to compare them in the same run. BUILD_DIR picks the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${BUILD_DIR:-build}
SIM=$BUILD/bin/lumora-sim
XDRIVE=$BUILD/bin/xdrive

cmake --build "$BUILD" --target lumora lumora-sim xdrive peer_window peer_measure >/dev/null

options=()
launchers=()
while [ $# -gt 0 ]; do
  case $1 in
    --pairs | --idle-ms) options+=("$1" "$2"); shift 2 ;;
    --no-interact) options+=("$1"); shift ;;
    *=*) launchers+=("$1"); shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
[ ${#launchers[@]} -gt 0 ] || launchers=("lumora=$BUILD/bin/lumora")

source scripts/x-session.sh
session_start_measuring

"$BUILD/bin/peer_measure" "${options[@]}" "$BUILD/bin/peer_window" "${launchers[@]}"
