# The text viewer under a window manager: a utility window with a small
# caption bar, kept off task bars, centred by its frame; minimising it leaves
# the main window on the screen, and its link brings it back.
source "$(dirname "$0")/lib.sh"
desktop_start_release

desktop_click "$MAIN" $LINK_INFORMATION
viewer=$(desktop_window "$VIEWER_TITLE")
sleep 0.5
desktop_check "viewer is a utility window" \
  test "$(desktop_property "$viewer" _NET_WM_WINDOW_TYPE)" = _NET_WM_WINDOW_TYPE_UTILITY
desktop_check "viewer kept off task bars" desktop_has_state "$viewer" _NET_WM_STATE_SKIP_TASKBAR
desktop_check "viewer not tied to the main window's iconifying" \
  test -z "$(desktop_property "$viewer" WM_TRANSIENT_FOR)"
# The Motif hints ask for a title, a border and a close function only.
desktop_check "viewer asks for no minimise or maximise button" \
  test "$(desktop_property "$viewer" _MOTIF_WM_HINTS)" = "0x3, 0x26, 0x1e, 0x0, 0x0"

read -r left right top bottom < <(desktop_property "$viewer" _NET_FRAME_EXTENTS | tr -d ,)
desktop_check "the window manager framed the viewer" test "$top" -gt 0
desktop_geometry "$viewer"
frame_x=$((X - left)); frame_y=$((Y - top))
frame_width=$((WIDTH + left + right)); frame_height=$((HEIGHT + top + bottom))
eval "$(xdotool getdisplaygeometry --shell)"
expected_x=$(((WIDTH - frame_width) / 2)); expected_y=$(((HEIGHT - frame_height) / 2))
desktop_check "frame at $frame_x,$frame_y, centred at $expected_x,$expected_y" \
  test "$frame_x,$frame_y" = "$expected_x,$expected_y"

xdotool windowminimize "$viewer"
sleep 0.5
desktop_check "viewer minimised" test "$(desktop_wm_state "$viewer")" = Iconic
desktop_check "main window stays on the screen" test "$(desktop_wm_state "$MAIN")" = Normal
desktop_click "$MAIN" $LINK_INFORMATION
sleep 0.5
desktop_check "the link brings the viewer back" test "$(desktop_wm_state "$viewer")" = Normal

desktop_request_close "$viewer"
desktop_window_gone "$VIEWER_TITLE"
desktop_check "main window stays on the screen after the viewer's close" \
  test "$(desktop_wm_state "$MAIN")" = Normal
desktop_request_close "$MAIN"
desktop_expect_exit 0
