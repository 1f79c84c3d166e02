# The whole install as a user clicks it: a new folder made in the chooser,
# the archive unpacked there and compared byte for byte with what unrar
# unpacks; along the way, only the main window may show on a task bar or a
# pager, and the others stay transient for it. "Quit" and "Yep..." end the
# program with exit code 0.
source "$(dirname "$0")/lib.sh"
desktop_need unrar
desktop_start_release

on_task_bar() { ! desktop_has_state "$1" _NET_WM_STATE_SKIP_TASKBAR; }
kept_off_task_bar() {
  desktop_has_state "$1" _NET_WM_STATE_SKIP_TASKBAR && desktop_has_state "$1" _NET_WM_STATE_SKIP_PAGER
}
transient_for_main() { [ "$(desktop_property "$1" WM_TRANSIENT_FOR)" = "$(printf '0x%x' "$MAIN")" ]; }
check_secondary() { # TITLE_REGEX
  local window
  window=$(desktop_window "$1")
  desktop_check "$1 kept off task bars and pagers" kept_off_task_bar "$window"
  desktop_check "$1 transient for the main window" transient_for_main "$window"
}

desktop_check "main window on the task bar" on_task_bar "$MAIN"
desktop_check "main window not transient" test -z "$(desktop_property "$MAIN" WM_TRANSIENT_FOR)"

desktop_click "$MAIN" $LINK_INSTALL
check_secondary "$CHOOSER_TITLE"
desktop_click_link "$CHOOSER_TITLE" "$LINK_MAKEDIR"
check_secondary "$NEW_FOLDER_TITLE"
desktop_click_link "$NEW_FOLDER_TITLE" "$LINK_NEW_FOLDER_OK"
desktop_window_gone "$NEW_FOLDER_TITLE"
desktop_click_link "$CHOOSER_TITLE" "$LINK_CHOOSER_OK"
check_secondary "$PROGRESS_TITLE"
desktop_click_link "$PROGRESS_TITLE" "$LINK_EXTRACT"
desktop_window_gone "$PROGRESS_TITLE" 60

# The new folder takes the name offered by install.ini's fifth line.
folder_name=$(sed -n '5p' "$RELEASE/install.ini" | tr -d '\r')
[ -d "$RELEASE/$folder_name" ] || desktop_fail "no folder $folder_name made in the release folder"
first_volume=$(sed -n '6p' "$RELEASE/install.ini" | tr -d '\r')
mkdir "$DESKTOP_WORK/reference"
(cd "$DESKTOP_WORK/reference" && unrar x -idq "$RELEASE/$first_volume") || desktop_fail "unrar failed"
desktop_check "unpacked tree equals unrar's, byte for byte" \
  diff -r "$DESKTOP_WORK/reference" "$RELEASE/$folder_name"

desktop_click "$MAIN" $LINK_QUIT
check_secondary "$CREDITS_TITLE"
desktop_click_link "$CREDITS_TITLE" "$LINK_YEP"
desktop_expect_exit 0
echo "ok: ended with exit code 0"
