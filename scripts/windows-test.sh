#!/usr/bin/env bash
# The Windows build's tests under Wine; sourced by scripts/windows.sh test.
#
# The unit tests run through CTest with wine64 as the cross-compiling
# emulator; then lumora.exe runs under Wine on a private Xvfb against the
# Linux simulator and is driven from the Linux side with XTest (xdrive).
# Wine's prefix is private to the build folder (kept between runs: it takes
# long to create); its server is ended at the end, as is everything else
# started here.

# The Linux tools the end-to-end test needs: the simulator and xdrive.
win_linux_tools() {
  bash "$WIN_ROOT/scripts/setup.sh"
  cmake -S "$WIN_ROOT" -B "$WIN_ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  nice cmake --build "$WIN_ROOT/build" -j"$WIN_JOBS" --target lumora-sim xdrive orvik-view >/dev/null
}

# Windows has the skin's face (微软雅黑); Wine gets the Debian font that has
# its characters in its place, whatever the locale.
win_wine_fonts() {
  local reg="$WINEPREFIX/lumora-fonts.reg"
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"微软雅黑"="WenQuanYi Micro Hei"' '"Microsoft YaHei"="WenQuanYi Micro Hei"' '' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
}

win_wine_env() {
  export WINEPREFIX="$WIN_BUILD/wine-$(wine --version | tr -c 'A-Za-z0-9.\n' '_')"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/.complete" ]; then
    rm -rf "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    wineserver -w
    win_wine_fonts
    wineserver -w
    touch "$WINEPREFIX/.complete"
  fi
  # One server for all the test processes, ended by win_wine_end.
  wineserver -p
}

win_wine_end() {
  wineserver -k 2>/dev/null || true
}

win_unit_tests() {
  cmake "$WIN_BUILD" -DCMAKE_CROSSCOMPILING_EMULATOR="$WIN_ROOT/scripts/windows-wine-run.sh" >/dev/null
  ctest --test-dir "$WIN_BUILD" -j"$WIN_JOBS" --output-on-failure --timeout 300
}

# orvik-view.exe: the tree, a picture of the document's size drawn by GDI
# (not one colour), and the Linux-only switches refused with 2.
win_view_test() {
  local dir="$SESSION_DIR/view" run="$WIN_ROOT/scripts/windows-wine-run.sh" code=0
  local view="$WIN_BUILD/bin/orvik-view.exe" skin
  mkdir -p "$dir"
  skin=$(winepath -w "$WIN_ROOT/skin")
  "$run" "$view" "$skin" MainFrame.xml --tree --out "$(winepath -w "$dir/main.png")" \
    >"$dir/tree.txt" || win_view_fail "--tree --out ended with $?" "$dir/tree.txt"
  head -n1 "$dir/tree.txt" | grep -q '^VerticalLayout name="mainframe_layout" pos=0,0,680,480 ' ||
    win_view_fail "the tree does not start with the root" "$dir/tree.txt"
  /usr/bin/python3 -c 'import sys; from PIL import Image; im = Image.open(sys.argv[1]).convert("RGB")
sys.exit(0 if im.size == (680, 480) and len(set(im.getdata())) > 16 else 1)' "$dir/main.png" ||
    win_view_fail "the picture is not 680x480 of many colours"
  mkdir -p "$WIN_BUILD/screenshots"
  cp "$dir/main.png" "$WIN_BUILD/screenshots/orvik-view-main.png"
  "$run" "$view" "$skin" MainFrame.xml --events - </dev/null >"$dir/events.txt" || code=$?
  [ "$code" = 2 ] && [ "$(wc -l <"$dir/events.txt")" = 1 ] && grep -q -- '--events' "$dir/events.txt" ||
    win_view_fail "--events was not refused with one line and 2 (ended with $code)" "$dir/events.txt"
  echo "windows orvik-view: the tree, the picture and the refusal passed"
}

win_view_fail() {
  echo "windows orvik-view: $1" >&2
  [ -n "${2:-}" ] && cat "$2" >&2
  exit 1
}

# The X session and Wine prefix the tests run in, with the Linux tools they use.
win_test_session() {
  win_install "${WIN_TEST_PACKAGES[@]}"
  win_linux_tools
  SIM=$WIN_ROOT/build/bin/lumora-sim
  XDRIVE=$WIN_ROOT/build/bin/xdrive
  VIEW=$WIN_ROOT/build/bin/orvik-view
  # shellcheck source=scripts/x-session.sh
  source "$WIN_ROOT/scripts/x-session.sh"
  trap 'win_wine_end; session_end' EXIT
  session_start_x
  win_wine_env
}

win_e2e_locked() {
  # The launcher points at the simulator's fixed default ports: one user at a time.
  exec 9>/tmp/lumora-default-ports.lock
  flock 9
  # shellcheck source=scripts/windows-e2e.sh
  source "$WIN_ROOT/scripts/windows-e2e.sh"
  win_e2e
}

win_run_tests() {
  win_test_session
  win_unit_tests
  win_view_test
  # A fresh server and helper processes for the program: after the unit tests
  # its main window did not show within 90 s.
  wineserver -k 2>/dev/null || true
  wineserver -w
  wineserver -p
  win_e2e_locked
}

# The end-to-end test alone.
win_run_e2e() {
  win_test_session
  win_e2e_locked
}
