# A window manager's close request (a task bar's or pager's close,
# _NET_CLOSE_WINDOW) to each window is that window's own way back, and the
# program can always go on: after each one, "Install" on the main window must
# work again. The main window's close ends the program with exit code 0, also
# while it is disabled.
source "$(dirname "$0")/lib.sh"
desktop_start_release

main_goes_on() {
  desktop_click "$MAIN" $LINK_INSTALL
  desktop_window "$CHOOSER_TITLE" 5 >/dev/null
}
close_window() { # TITLE_REGEX
  desktop_request_close "$(desktop_window "$1")"
  desktop_window_gone "$1"
}

# The chooser: as its "cancel".
desktop_click "$MAIN" $LINK_INSTALL
close_window "$CHOOSER_TITLE"
desktop_check "chooser closed: the main window goes on" main_goes_on

# The new-folder dialog: as its "cancel", back to the chooser.
desktop_click_link "$CHOOSER_TITLE" "$LINK_MAKEDIR"
close_window "$NEW_FOLDER_TITLE"
desktop_check "new-folder dialog closed: back to the chooser" desktop_window "$CHOOSER_TITLE" 5
close_window "$CHOOSER_TITLE"

# The progress window before the run: back to the main window.
desktop_click "$MAIN" $LINK_INSTALL
desktop_click_link "$CHOOSER_TITLE" "$LINK_CHOOSER_OK"
close_window "$PROGRESS_TITLE"
desktop_check "progress window closed: the main window goes on" main_goes_on
close_window "$CHOOSER_TITLE"

# The credits window: back to the main window.
desktop_click "$MAIN" $LINK_QUIT
close_window "$CREDITS_TITLE"
desktop_check "credits closed: the main window goes on" main_goes_on

# The main window, disabled while the chooser is open: the program ends.
desktop_request_close "$MAIN"
desktop_expect_exit 0
echo "ok: main window's close ended the program with exit code 0"
