#!/usr/bin/env bash
# Takes the README's pictures of the real launcher on a private Xvfb (openbox, xcompmgr)
# against the simulator's default hosts, driving it with XTest clicks as a user would:
# docs/launcher-lines.png (the line page with its three rows), docs/launcher-line-tooltip.png
# (row 1's tooltip: where its probe's time went), docs/launcher-client.png
# (the client page), docs/launcher-close.png (the close confirmation). BUILD_DIR picks the
# build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}

bash scripts/setup.sh
cmake -S . -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target lumora lumora-sim xdrive orvik-view

SIM=$BUILD/bin/lumora-sim
XDRIVE=$BUILD/bin/xdrive
VIEW=$BUILD/bin/orvik-view
source scripts/x-session.sh
trap session_end EXIT

MARGIN=28  # room for the drop shadow around the window

# The centre of a control as the skin lays it out: "X Y" in the document's client pixels.
control_centre() {
  local pos
  pos=$(env -u DISPLAY "$VIEW" skin "$1" --tree | grep -o "name=\"$2\" pos=[0-9,-]*" | head -n1)
  pos=${pos##*pos=}
  [ -n "$pos" ] || { echo "no control $2 in $1" >&2; return 1; }
  IFS=, read -r l t r b <<<"$pos"
  echo "$(((l + r) / 2)) $(((t + b) / 2))"
}

# "L T R B" of a control as SKIN lays DOCUMENT out at W,H.
control_box() {
  local pos
  pos=$(env -u DISPLAY "$VIEW" "$1" "$2" --tree --size "$3" | grep -o "name=\"$4\" pos=[0-9,-]*" | head -n1)
  [ -n "$pos" ] || { echo "no control $4 in $2" >&2; return 1; }
  echo "${pos##*pos=}" | tr , ' '
}

# Rests the pointer on row 1's bar, on the screen, so its tooltip shows.
hover_first_row_bar() {
  local rows=$SESSION_DIR/skin-rows
  cp -r skin "$rows"
  sed -i 's/vscrollbar="true" visible="false"/vscrollbar="true" visible="true"/' "$rows/Page1.xml"
  read -r _ wx wy ww wh < <("$XDRIVE" wait-window CMainFrame 1000)
  read -r cl ct cr cb < <(control_box skin MainFrame.xml "$ww,$wh" client_layout)
  read -r ll lt lr lb < <(control_box "$rows" Page1.xml "$((cr - cl)),$((cb - ct))" layout_ptline)
  read -r bl bt br bb < <(control_box skin Page1_Item.xml "$((lr - ll)),68" ctrl_progress)
  "$XDRIVE" move $((wx + cl + ll + (bl + br) / 2)) $((wy + ct + lt + (bt + bb) / 2))
}

session_start_sim
session_start_x
session_start_launcher "$BUILD/bin/lumora"
"$XDRIVE" wait-window CMainFrame 15000 >/dev/null
session_wait_speed_test 60

"$XDRIVE" shot docs/launcher-lines.png CMainFrame "$MARGIN"
hover_first_row_bar && sleep 2
"$XDRIVE" shot docs/launcher-line-tooltip.png CMainFrame "$MARGIN"
"$XDRIVE" move 4 4 && sleep 0.5
# Moving the pointer off a control lets its hover fade before each picture.
"$XDRIVE" click-in CMainFrame $(control_centre MainFrame.xml opt_page2)
"$XDRIVE" move 4 4 && sleep 0.5
"$XDRIVE" shot docs/launcher-client.png CMainFrame "$MARGIN"
"$XDRIVE" click-in CMainFrame $(control_centre MainFrame.xml opt_page1)
"$XDRIVE" click-in CMainFrame $(control_centre MainFrame.xml closebtn)
"$XDRIVE" wait-window CMessageBox 5000 >/dev/null
"$XDRIVE" move 4 4 && sleep 0.5
"$XDRIVE" shot docs/launcher-close.png CMainFrame "$MARGIN"

# The box shows its message part; lay out the skin with the waiting part hidden, as it is.
cp -r skin "$SESSION_DIR/skin"
sed -i 's/name="waitingmsg_layout"/& visible="false"/' "$SESSION_DIR/skin/MessageBox.xml"
read -r _ _ _ bw bh < <("$XDRIVE" wait-window CMessageBox 1000)
read -r ox oy < <(env -u DISPLAY "$VIEW" "$SESSION_DIR/skin" MessageBox.xml --tree --size "$bw,$bh" \
  | grep -o 'name="btn_ok" pos=[0-9,-]*' | sed 's/.*pos=//' | awk -F, '{print int(($1+$3)/2), int(($2+$4)/2)}')
"$XDRIVE" click-in CMessageBox "$ox" "$oy"
session_wait_launcher_exit 15
[ "$LAUNCHER_CODE" = 0 ] || { echo "the launcher exited with $LAUNCHER_CODE" >&2; exit 1; }
echo "wrote docs/launcher-lines.png docs/launcher-line-tooltip.png docs/launcher-client.png docs/launcher-close.png"
