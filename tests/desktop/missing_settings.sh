# Without install.ini the error report shows before any window; after its OK
# the main window shows with its design captions, and the program still ends
# with exit code 0.
source "$(dirname "$0")/lib.sh"
desktop_start
RELEASE=$DESKTOP_WORK/release
desktop_make_release "$RELEASE"
rm "$RELEASE/install.ini"
desktop_start_installer "$RELEASE"

box=$(desktop_window '^Installer$')
desktop_check "no other window before the report" \
  test "$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)" -eq 1
desktop_check "the report is a dialog" \
  grep -q _NET_WM_WINDOW_TYPE_DIALOG <<<"$(desktop_property "$box" _NET_WM_WINDOW_TYPE)"
xdotool windowactivate --sync "$box" key --clearmodifiers Return
# The main window has the same title as the report.
MAIN=""
for _ in $(seq 100); do
  MAIN=$(xdotool search --onlyvisible --name "$MAIN_TITLE" 2>/dev/null | grep -vx "$box" | head -n 1 || true)
  [ -n "$MAIN" ] && break
  sleep 0.05
done
[ -n "$MAIN" ] || desktop_fail "no main window after the report's OK"
desktop_check "the report is gone" test "$(desktop_wm_state "$box")" != Normal
desktop_geometry "$MAIN"
desktop_check "main window shown after OK" test "$WIDTH x $HEIGHT" = "453 x 272"
desktop_request_close "$MAIN"
desktop_expect_exit 0
