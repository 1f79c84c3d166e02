#!/usr/bin/env bash
# The real program started in a folder that the shell entered and that was
# removed before the program ran: it reports "File not found." in a message
# box instead of aborting, and after OK its main window comes up.
#   removed_startup_folder.sh INSTALLER
# Runs on a private Xvfb server. Exit 77 (skipped) without Xvfb or xdotool.
set -uo pipefail
installer=$1
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done

work=$(mktemp -d /tmp/removed-startup.XXXXXX)
xvfb_pid=""
installer_pid=""
cleanup() {
  [ -n "$installer_pid" ] && kill "$installer_pid" 2>/dev/null && wait "$installer_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; echo "--- installer output:"; cat "$work/log" 2>/dev/null; exit 1; }

# The server picks a free display itself and writes its number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "SKIP: Xvfb did not start"; exit 77; }
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

mkdir "$work/release"
sh -c 'cd "$1" && rmdir "$1" && exec "$2"' sh "$work/release" "$installer" >"$work/log" 2>&1 &
installer_pid=$!

# Visible windows titled "Installer" of a given width: the report first,
# then the 453-pixel main window.
window_of_width() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Installer$' 2>/dev/null); do
    xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -qx "WIDTH=$1" && { echo "$id"; return 0; }
  done
  return 1
}
wait_for() { # wait_for WHAT COMMAND...: up to 10 s, while the program lives
  local what=$1
  shift
  for _ in $(seq 100); do
    "$@" >/dev/null && return 0
    kill -0 "$installer_pid" 2>/dev/null || { wait "$installer_pid"; local status=$?; installer_pid=""
      fail "the program ended (status $status) while waiting for $what"; }
    sleep 0.1
  done
  fail "no $what within 10 s"
}

report=""
find_report() { report=$(xdotool search --onlyvisible --name '^Installer$' 2>/dev/null | head -n 1); [ -n "$report" ]; }
wait_for "error report" find_report
window_of_width 453 >/dev/null && fail "the main window showed before the report was answered"
xdotool windowfocus --sync "$report" 2>/dev/null
xdotool key --clearmodifiers Return
wait_for "main window" window_of_width 453
kill -0 "$installer_pid" 2>/dev/null || fail "the program ended after the report"
grep -qi "abort\|terminate called" "$work/log" && fail "the program reported an abort"
echo "PASS: report shown, main window up, program running"
exit 0
