# When start-up cannot read its settings, the error report shows before any
# window; after its OK the main window shows with its design captions, and the
# program still ends with exit code 0. Two ways there: no install.ini in the
# start-up folder, and a start-up folder removed after the shell entered it.
source "$(dirname "$0")/lib.sh"
desktop_start
RELEASE=$DESKTOP_WORK/release
desktop_make_release "$RELEASE"

start_without_settings() {
  mkdir "$DESKTOP_WORK/bare"
  cp "$RELEASE/installer" "$DESKTOP_WORK/bare/"
  cp -r "$RELEASE/.installer" "$DESKTOP_WORK/bare/"
  desktop_start_installer "$DESKTOP_WORK/bare"
}

start_in_removed_folder() {
  local gone=$DESKTOP_WORK/gone
  mkdir "$gone"
  (cd "$gone" && rmdir "$gone" && exec "$RELEASE/installer") >"$DESKTOP_WORK/installer.log" 2>&1 &
  INSTALLER_PID=$!
}

check_report_then_main_window() { # CASE
  local box main=""
  box=$(desktop_window "$MAIN_TITLE")
  desktop_check "$1: no other window before the report" \
    test "$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)" -eq 1
  desktop_check "$1: the report is a dialog" \
    grep -q _NET_WM_WINDOW_TYPE_DIALOG <<<"$(desktop_property "$box" _NET_WM_WINDOW_TYPE)"
  xdotool windowactivate --sync "$box" key --clearmodifiers Return
  # The main window has the same title as the report.
  for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --name "$MAIN_TITLE" 2>/dev/null | grep -vx "$box" | head -n 1 || true)
    [ -n "$main" ] && break
    sleep 0.05
  done
  [ -n "$main" ] || desktop_fail "$1: no main window after the report's OK"
  desktop_check "$1: the report is gone" test "$(desktop_wm_state "$box")" != Normal
  desktop_geometry "$main"
  desktop_check "$1: main window shown after OK" test "$WIDTH x $HEIGHT" = "453 x 272"
  desktop_request_close "$main"
  desktop_expect_exit 0
  ! grep -qi "abort\|terminate called" "$DESKTOP_WORK/installer.log" || desktop_fail "$1: the program aborted"
}

start_without_settings
check_report_then_main_window "no install.ini"
start_in_removed_folder
check_report_then_main_window "removed start-up folder"
