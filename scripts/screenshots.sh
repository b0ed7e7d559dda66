#!/usr/bin/env bash
# Takes the README's pictures of the real launcher on a private Xvfb (openbox, xcompmgr)
# against the simulator's default hosts, driving it with XTest clicks as a user would:
# docs/launcher-lines.png (the line page with its three rows), docs/launcher-client.png
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

session_start_sim
session_start_x
session_start_launcher "$BUILD/bin/lumora"
"$XDRIVE" wait-window CMainFrame 15000 >/dev/null
session_wait_speed_test 60

"$XDRIVE" shot docs/launcher-lines.png CMainFrame "$MARGIN"
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
echo "wrote docs/launcher-lines.png docs/launcher-client.png docs/launcher-close.png"
