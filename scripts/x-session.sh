#!/usr/bin/env bash
# Sourced by run.sh, screenshots.sh and the peer measurements: a private Xvfb with openbox and xcompmgr (so the drop
# shadow shows), the simulator, and tidy ending of everything started here.
# Needs XDRIVE (the xdrive program) and SIM (lumora-sim) set by the caller.

SESSION_PIDS=()
SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/lumora-session.XXXXXX")

session_end() {
  local i
  for ((i = ${#SESSION_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${SESSION_PIDS[i]}" 2>/dev/null || true
    wait "${SESSION_PIDS[i]}" 2>/dev/null || true
  done
  rm -rf "$SESSION_DIR"
}

# Starts the simulator with its default profile and waits (at most 5 s) until the seed answers.
session_start_sim() {
  "$SIM" >"$SESSION_DIR/sim.log" 2>&1 &
  SESSION_PIDS+=($!)
  local sim=$! _
  for _ in $(seq 50); do
    kill -0 "$sim" 2>/dev/null || { cat "$SESSION_DIR/sim.log" >&2; echo "the simulator did not start" >&2; return 1; }
    curl -s -o /dev/null http://127.0.0.1:18400/ && return 0
    sleep 0.1
  done
  echo "the simulator did not answer within 5 s" >&2
  return 1
}

# Xvfb on a display number it picks itself (extra Xvfb options after it) with openbox; exports
# DISPLAY. The measurements use it bare: without a compositor the server holds what was presented.
session_start_x_bare() {
  local numfile="$SESSION_DIR/display" _
  Xvfb -displayfd 3 -screen 0 1280x800x24 "$@" +extension RANDR \
    -nolisten tcp 3>"$numfile" >"$SESSION_DIR/xvfb.log" 2>&1 &
  SESSION_PIDS+=($!)
  for _ in $(seq 150); do
    [ -s "$numfile" ] && break
    sleep 0.1
  done
  [ -s "$numfile" ] || { echo "Xvfb did not start within 15 s" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$numfile")"
  openbox --sm-disable >/dev/null 2>&1 &
  SESSION_PIDS+=($!)
  "$XDRIVE" wait-wm 10000
}

# The measurements' session: the lock on the simulator's fixed ports (shared by every checkout on
# this machine, held until the script exits), the bare X session and the simulator, all ended
# with the script.
session_start_measuring() {
  exec 9>/tmp/lumora-default-ports.lock
  flock 9
  trap session_end EXIT
  session_start_x_bare || return 1
  session_start_sim
}

# The same with xcompmgr, so the drop shadow shows.
session_start_x() {
  session_start_x_bare +extension Composite || return 1
  xcompmgr >/dev/null 2>&1 &
  SESSION_PIDS+=($!)
  "$XDRIVE" wait-compositor 10000
}

# Starts the launcher with its trace going to the terminal and to $SESSION_DIR/trace.log.
session_start_launcher() {
  : >"$SESSION_DIR/trace.log"
  "$@" 2> >(tee -a "$SESSION_DIR/trace.log" >&2) &
  LAUNCHER_PID=$!
  SESSION_PIDS+=($LAUNCHER_PID)
}

# Waits (at most $1 seconds) for the trace line that counts the last speed-test result.
session_wait_speed_test() {
  local deadline=$((SECONDS + $1)) line count total
  while ((SECONDS < deadline)); do
    kill -0 "$LAUNCHER_PID" 2>/dev/null || { echo "the launcher ended early" >&2; return 1; }
    line=$(grep -ao 'm_nSpeedTestFinishCount=[0-9]* total=[0-9]*' "$SESSION_DIR/trace.log" | tail -n1 || true)
    if [ -n "$line" ]; then
      count=${line#m_nSpeedTestFinishCount=}; count=${count%% *}
      total=${line##*total=}
      ((count >= total)) && return 0
    fi
    sleep 0.2
  done
  echo "the speed test did not finish within $1 s" >&2
  return 1
}

# Waits (at most $1 seconds) for the launcher to end; sets LAUNCHER_CODE to its exit code.
session_wait_launcher_exit() {
  local deadline=$((SECONDS + $1))
  while ((SECONDS < deadline)); do
    if ! kill -0 "$LAUNCHER_PID" 2>/dev/null; then
      LAUNCHER_CODE=0
      wait "$LAUNCHER_PID" || LAUNCHER_CODE=$?
      return 0
    fi
    sleep 0.1
  done
  echo "the launcher did not end within $1 s" >&2
  return 1
}
