#!/usr/bin/env bash
# The Windows launcher end to end under Wine; sourced by scripts/windows-test.sh
# after the X session (Xvfb, openbox, xcompmgr) and the Wine prefix are up.
#
# lumora.exe runs against the simulator's default hosts. From the Linux side:
# the window maps, the speed test ends with rows 1 to 3 green, yellow and red,
# a click on row 1's button hands the line to the browser (a recorder named
# xdg-open first on PATH, which Wine's shell runs), the close button asks and
# OK ends the program with 0. Then, with the simulator announcing 1.0.7: the
# update prompt shows before any main window, OK hands the installer's
# address to the browser and the program ends with 0; closed without OK it
# opens nothing and the program ends with 0 all the same.

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


# The screen's "x y" of the program's window of size "W H". Under Wine every
# window of the program (the main one, its shadow, tooltips, the message box)
# has the program file as its class, so the window is told by its size.
# Wine creates a window before it shows it: only a viewable one counts.
win_window_at() {
  local id at
  while read -r id at; do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' &&
      { echo "$at" | sed 's/^+//; s/+/ /'; return 0; }
  done < <(xwininfo -root -tree 2>/dev/null | grep '("lumora.exe"' | grep -E " $1x$2\+" |
    awk '{print $1, $NF}')
}

# Waits (at most $3 seconds) for the window of size "$1 $2"; prints "x y".
win_wait_window() {
  local deadline=$((SECONDS + $3)) at
  while ((SECONDS < deadline)); do
    at=$(win_window_at "$1" "$2")
    [ -n "$at" ] && { echo "$at"; return 0; }
    sleep 0.5
  done
  return 1
}

win_e2e_start() {
  : >"$SESSION_DIR/opened.txt"
  mkdir -p "$SESSION_DIR/recorder"
  cat >"$SESSION_DIR/recorder/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$SESSION_DIR/opened.txt"
EOF
  chmod +x "$SESSION_DIR/recorder/xdg-open"
  # Xvfb starts the pointer mid-screen, over row 1 once the window maps: its
  # tooltip would cover the bars.
  "$XDRIVE" move 1 1
  PATH="$SESSION_DIR/recorder:$PATH" session_start_launcher wine "$WIN_BUILD/bin/lumora.exe"
}

win_e2e_fail() {
  echo "windows e2e: $*" >&2
  tail -n 30 "$SESSION_DIR/trace.log" >&2
  exit 1
}

# The bars' colours in a picture of the screen; the main window is at $1 $2.
win_e2e_rows() {
  local wx=$1 wy=$2 l t r b shot="$SESSION_DIR/screen.png" bars=()
  "$XDRIVE" shot "$shot"
  for row in 0 1 2; do
    read -r l t r b < <(win_row_rect "$row" ctrl_progress)
    bars+=("$((wx + l + (r - l) / 10)) $((wy + (t + b) / 2))")
  done
  mkdir -p "$(dirname "$WIN_E2E_PICTURE")"
  /usr/bin/python3 -c 'import sys; from PIL import Image; x, y = int(sys.argv[3]), int(sys.argv[4]);
Image.open(sys.argv[1]).crop((x - 28, y - 28, x + 708, y + 508)).save(sys.argv[2])' \
    "$shot" "$WIN_E2E_PICTURE" "$wx" "$wy"
  /usr/bin/python3 "$WIN_ROOT/tests/win/bar_colours.py" "$shot" "${bars[@]}" ||
    win_e2e_fail "the rows are not green, yellow and red"
}

# Clicks the middle of a control of a document (laid out at its own size) in
# the window whose top-left corner is at $3 $4 on the screen.
win_click_control() {
  local doc=$1 name=$2 wx=$3 wy=$4 l t r b
  read -r l t r b < <(win_bounds "${WIN_SKIN:-$WIN_ROOT/skin}" "$doc" "$name")
  "$XDRIVE" click $((wx + (l + r) / 2)) $((wy + (t + b) / 2))
}

# The pointer over the close button: its tooltip ("关闭") shows in the skin's
# font. Its picture is left beside the others.
win_e2e_tooltip() {
  local l t r b x y
  read -r l t r b < <(win_bounds "$WIN_ROOT/skin" MainFrame.xml closebtn)
  x=$(($1 + (l + r) / 2)) y=$(($2 + (t + b) / 2))
  "$XDRIVE" shot "$SESSION_DIR/before-tip.png"
  "$XDRIVE" move "$x" "$y"
  sleep 2
  "$XDRIVE" shot "$SESSION_DIR/tip.png"
  "$XDRIVE" move 1 1
  /usr/bin/python3 -c 'import sys; from PIL import Image, ImageChops; x, y = int(sys.argv[4]), int(sys.argv[5])
box = (x - 160, y - 24, x + 120, y + 64)
tip, before = Image.open(sys.argv[2]).crop(box), Image.open(sys.argv[1]).crop(box)
tip.save(sys.argv[3])
below = (0, 36, box[2] - box[0], box[3] - box[1])  # under the button, whose hover look changes
diff = ImageChops.difference(tip.convert("RGB").crop(below), before.convert("RGB").crop(below))
sys.exit(0 if diff.getbbox() else 1)' \
    "$SESSION_DIR/before-tip.png" "$SESSION_DIR/tip.png" \
    "$(dirname "$WIN_E2E_PICTURE")/windows-tooltip.png" "$x" "$y" ||
    win_e2e_fail "no tooltip showed over the close button"
}

# The "close" button, then OK in the box it opens: the program ends with 0.
win_e2e_close() {
  local bx by
  win_click_control MainFrame.xml closebtn "$1" "$2"
  win_wait_window 320 200 20 >/dev/null || win_e2e_fail "the close box did not show"
  "$XDRIVE" move 1 1
  # The box is centred on its owner after it maps: its place once settled.
  sleep 1
  read -r bx by < <(win_window_at 320 200)
  # The box shows its message part.
  cp -r "$WIN_ROOT/skin" "$SESSION_DIR/skin-box"
  sed -i 's/name="waitingmsg_layout"/& visible="false"/' "$SESSION_DIR/skin-box/MessageBox.xml"
  WIN_SKIN="$SESSION_DIR/skin-box" win_click_control MessageBox.xml btn_ok "$bx" "$by"
  session_wait_launcher_exit 30 || win_e2e_fail "the program did not end after OK"
  [ "$LAUNCHER_CODE" = 0 ] || win_e2e_fail "the program ended with $LAUNCHER_CODE"
}

# The simulator restarted to announce 1.0.7.
win_e2e_update_sim() {
  kill "$WIN_SIM_PID" 2>/dev/null || true
  wait "$WIN_SIM_PID" 2>/dev/null || true
  printf '#!/bin/sh\nexec %q --announce-version 1.0.7\n' "$SIM" >"$SESSION_DIR/sim-update"
  chmod +x "$SESSION_DIR/sim-update"
  SIM="$SESSION_DIR/sim-update" session_start_sim
  # The prompt's skin as it shows: its message part, OK only.
  rm -rf "$SESSION_DIR/skin-box"
  cp -r "$WIN_ROOT/skin" "$SESSION_DIR/skin-box"
  sed -i 's/name="waitingmsg_layout"/& visible="false"/; s/name="btn_cancel"/& visible="false"/' \
    "$SESSION_DIR/skin-box/MessageBox.xml"
}

# Starts the program and waits for the update prompt; its place in WIN_BX WIN_BY.
win_e2e_prompt() {
  : >"$SESSION_DIR/opened.txt"
  "$XDRIVE" move 1 1
  PATH="$SESSION_DIR/recorder:$PATH" session_start_launcher wine "$WIN_BUILD/bin/lumora.exe"
  win_wait_window 320 200 "$WIN_E2E_WAIT_S" >/dev/null || win_e2e_fail "the update prompt did not show"
  sleep 1
  read -r WIN_BX WIN_BY < <(win_window_at 320 200)
  grep -aq 'new ver\[1.0.7\]' "$SESSION_DIR/trace.log" || win_e2e_fail "no update was announced"
  [ -z "$(win_window_at 680 480)" ] || win_e2e_fail "the main window showed before the update prompt"
}

# The update prompt: only OK shows, and it hands over the installer's address.
win_e2e_update() {
  win_e2e_prompt
  "$XDRIVE" shot "$SESSION_DIR/screen.png"
  /usr/bin/python3 -c 'import sys; from PIL import Image; x, y = int(sys.argv[3]), int(sys.argv[4]);
Image.open(sys.argv[1]).crop((x - 28, y - 28, x + 348, y + 228)).save(sys.argv[2])' \
    "$SESSION_DIR/screen.png" "$(dirname "$WIN_E2E_PICTURE")/windows-update.png" "$WIN_BX" "$WIN_BY"
  WIN_SKIN="$SESSION_DIR/skin-box" win_click_control MessageBox.xml btn_ok "$WIN_BX" "$WIN_BY"
  session_wait_launcher_exit 30 || win_e2e_fail "the program did not end after OK in the update prompt"
  [ "$LAUNCHER_CODE" = 0 ] || win_e2e_fail "the program ended with $LAUNCHER_CODE after the update prompt"
  for _ in $(seq 100); do [ -s "$SESSION_DIR/opened.txt" ] && break; sleep 0.1; done
  [ "$(cat "$SESSION_DIR/opened.txt")" = "https://127.0.0.1:18443/static/client/velgate/kestova.exe" ] ||
    win_e2e_fail "the browser got [$(cat "$SESSION_DIR/opened.txt")] for the update"
  echo "windows e2e: the update prompt for 1.0.7, its OK and the installer's address passed"
}

# The prompt closed without OK: Escape leaves it; its close button, or Alt+F4,
# ends the program with 0 all the same and opens nothing.
win_e2e_update_closed() {
  local how
  for how in closebtn alt+F4; do
    win_e2e_prompt
    # The box takes the keys once clicked: its message, which does nothing.
    WIN_SKIN="$SESSION_DIR/skin-box" win_click_control MessageBox.xml txt_normalmsg "$WIN_BX" "$WIN_BY"
    if [ "$how" = closebtn ]; then
      "$XDRIVE" key Escape
      sleep 1
      [ -n "$(win_window_at 320 200)" ] || win_e2e_fail "Escape closed the update prompt"
      WIN_SKIN="$SESSION_DIR/skin-box" win_click_control MessageBox.xml closebtn "$WIN_BX" "$WIN_BY"
    else
      "$XDRIVE" key alt+F4
    fi
    session_wait_launcher_exit 30 || win_e2e_fail "the program did not end after $how in the update prompt"
    [ "$LAUNCHER_CODE" = 0 ] || win_e2e_fail "the program ended with $LAUNCHER_CODE after $how"
    # A browser call would have come by now (OK's comes within a second).
    sleep 2
    [ ! -s "$SESSION_DIR/opened.txt" ] ||
      win_e2e_fail "the browser got [$(cat "$SESSION_DIR/opened.txt")] after $how"
  done
  echo "windows e2e: the update prompt kept by Escape, closed by its close button and by Alt+F4: 0, nothing opened"
}

win_e2e() {
  session_start_sim
  WIN_SIM_PID=${SESSION_PIDS[-1]}
  win_e2e_start
  local wx wy l t r b
  read -r wx wy < <(win_wait_window 680 480 "$WIN_E2E_WAIT_S") ||
    win_e2e_fail "the main window did not map"
  session_wait_speed_test "$WIN_E2E_WAIT_S" || win_e2e_fail "the speed test did not end"
  sleep 1
  # The window is centred after it maps: its place now.
  read -r wx wy < <(win_window_at 680 480)
  win_e2e_rows "$wx" "$wy"
  read -r l t r b < <(win_row_rect 0 btn_go)
  "$XDRIVE" click $((wx + (l + r) / 2)) $((wy + (t + b) / 2))
  for _ in $(seq 100); do [ -s "$SESSION_DIR/opened.txt" ] && break; sleep 0.1; done
  # Wine's shell puts a "/" between the host and the query.
  [ "$(cat "$SESSION_DIR/opened.txt")" = "http://127.0.0.1:18401/?from=kestova" ] ||
    win_e2e_fail "the browser got [$(cat "$SESSION_DIR/opened.txt")]"
  echo "windows e2e: the window, the rows and the line's button passed"
  "$XDRIVE" move 1 1
  win_e2e_tooltip "$wx" "$wy"
  win_e2e_close "$wx" "$wy"
  echo "windows e2e: OK in the close box ended the program with 0"
  win_e2e_update_sim
  win_e2e_update
  win_e2e_update_closed
}
