#!/usr/bin/env bash
# The Windows launcher end to end under Wine; sourced by scripts/windows-test.sh
# after the X session (Xvfb, openbox, xcompmgr) and the Wine prefix are up.
#
# lumora.exe runs against the simulator's default hosts. From the Linux side:
# the window maps, the speed test ends with rows 1 to 3 green, yellow and red,
# a click on row 1's button hands the line to the browser (a recorder named
# xdg-open first on PATH, which Wine's shell runs), the close button asks and
# OK ends the program with 0. A second run with version 1.0.7 announced shows
# the update prompt.

WIN_E2E_WAIT_S=90   # Wine's first start of a program in a fresh prefix is slow
WIN_E2E_PICTURE=${WIN_E2E_PICTURE:-$WIN_BUILD/screenshots/windows-main.png}

# "l t r b" of a control as orvik-view lays out a document (optionally at a size).
win_bounds() {
  local dir=$1 doc=$2 name=$3 size=${4:-}
  local args=("$dir" "$doc" --tree)
  [ -n "$size" ] && args+=(--size "$size")
  env -u DISPLAY "$VIEW" "${args[@]}" | grep -o "name=\"$name\" pos=[0-9,-]*" | head -n1 |
    sed 's/.*pos=//' | tr ',' ' '
}

# Row n's (from 0) control of Page1_Item.xml as "l t r b" in main window pixels.
win_row_rect() {
  local row=$1 name=$2 cl ct cr cb ll lt lr lb il it ir ib
  read -r cl ct cr cb < <(win_bounds "$WIN_ROOT/skin" MainFrame.xml client_layout)
  rm -rf "$SESSION_DIR/skin-rows"
  cp -r "$WIN_ROOT/skin" "$SESSION_DIR/skin-rows"
  sed -i 's/vscrollbar="true" visible="false"/vscrollbar="true" visible="true"/' \
    "$SESSION_DIR/skin-rows/Page1.xml"
  read -r ll lt lr lb < <(win_bounds "$SESSION_DIR/skin-rows" Page1.xml layout_ptline \
    "$((cr - cl)),$((cb - ct))")
  read -r il it ir ib < <(win_bounds "$WIN_ROOT/skin" Page1_Item.xml "$name" "$((lr - ll)),68")
  local dx=$((cl + ll)) dy=$((ct + lt + row * 68))
  echo "$((dx + il)) $((dy + it)) $((dx + ir)) $((dy + ib))"
}

# The window's top-left corner on the screen, by its title's process: Wine names
# every window of a program after the program file.
win_main_window() {
  "$XDRIVE" wait-window "$WIN_E2E_CLASS" "$1"
}

win_e2e_start() {
  : >"$SESSION_DIR/opened.txt"
  mkdir -p "$SESSION_DIR/recorder"
  cat >"$SESSION_DIR/recorder/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$SESSION_DIR/opened.txt"
EOF
  chmod +x "$SESSION_DIR/recorder/xdg-open"
  PATH="$SESSION_DIR/recorder:$PATH" session_start_launcher wine "$WIN_BUILD/bin/lumora.exe"
}

win_e2e_fail() {
  echo "windows e2e: $*" >&2
  tail -n 30 "$SESSION_DIR/trace.log" >&2
  exit 1
}

win_e2e_rows() {
  local l t r b
  mkdir -p "$(dirname "$WIN_E2E_PICTURE")"
  "$XDRIVE" shot "$WIN_E2E_PICTURE" "$WIN_E2E_CLASS" 0
  for row in 0 1 2; do
    read -r l t r b < <(win_row_rect "$row" ctrl_progress)
    WIN_E2E_BARS+=("$((l + (r - l) / 10)) $(((t + b) / 2))")
  done
  /usr/bin/python3 "$WIN_ROOT/tests/win/bar_colours.py" "$WIN_E2E_PICTURE" "${WIN_E2E_BARS[@]}" ||
    win_e2e_fail "the rows are not green, yellow and red"
}

win_e2e() {
  WIN_E2E_CLASS=lumora.exe
  WIN_E2E_BARS=()
  session_start_sim
  win_e2e_start
  local xid wx wy ww wh l t r b
  read -r xid wx wy ww wh < <(win_main_window $((WIN_E2E_WAIT_S * 1000))) ||
    win_e2e_fail "the main window did not map"
  session_wait_speed_test "$WIN_E2E_WAIT_S"
  sleep 1
  win_e2e_rows
  read -r l t r b < <(win_row_rect 0 btn_go)
  "$XDRIVE" click-in "$WIN_E2E_CLASS" $(((l + r) / 2)) $(((t + b) / 2))
  for _ in $(seq 100); do [ -s "$SESSION_DIR/opened.txt" ] && break; sleep 0.1; done
  # Wine's shell puts a "/" between the host and the query.
  [ "$(cat "$SESSION_DIR/opened.txt")" = "http://127.0.0.1:18401/?from=kestova" ] ||
    win_e2e_fail "the browser got [$(cat "$SESSION_DIR/opened.txt")]"
  echo "windows e2e: rows and the line's button passed"
}
