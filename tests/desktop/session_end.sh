# The end of the session ends the program at once with exit code 0: SIGTERM
# (log-off, shutdown), SIGHUP (the session's terminal gone), SIGINT, also
# with a secondary window open.
source "$(dirname "$0")/lib.sh"
desktop_start
RELEASE=$DESKTOP_WORK/release
desktop_make_release "$RELEASE"

for signal in TERM HUP INT; do
  for open in none chooser; do
    desktop_start_installer "$RELEASE"
    MAIN=$(desktop_window "$MAIN_TITLE")
    if [ "$open" = chooser ]; then
      desktop_click "$MAIN" $LINK_INSTALL
      desktop_window "$CHOOSER_TITLE" >/dev/null
    fi
    kill -"$signal" "$INSTALLER_PID"
    desktop_expect_exit 0 5
    desktop_window_gone "$MAIN_TITLE" 2
    echo "ok: SIG$signal with $open open: exit code 0"
  done
done

# Inside the extraction run, with the disk prompt up: at once too, without
# waiting for the run to return.
mv "$RELEASE/neondrift.part3.rar" "$RELEASE/neondrift.part3.rar.away"
desktop_start_installer "$RELEASE"
MAIN=$(desktop_window "$MAIN_TITLE")
desktop_click "$MAIN" $LINK_INSTALL
desktop_click_link "$CHOOSER_TITLE" "$LINK_CHOOSER_OK"
desktop_click_link "$PROGRESS_TITLE" "$LINK_EXTRACT"
desktop_window '^Request$' 15 >/dev/null
kill -TERM "$INSTALLER_PID"
desktop_expect_exit 0 5
echo "ok: SIGTERM at the disk prompt inside the run: exit code 0"
