# Shared by the desktop tests: a private X server (Xvfb) with a real window
# manager (openbox), the real installer started from a release folder, and
# helpers that find, drive and read its windows. Source it from a test script;
# everything started here is stopped when the script exits.
#
# Conventions: a test that cannot do its work here calls desktop_skip (exit
# 77, which CTest shows as skipped); desktop_fail saves a screenshot of the
# screen to $DESKTOP_ARTIFACTS before it fails the test.

set -euo pipefail

DESKTOP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
DESKTOP_BUILD=${DESKTOP_BUILD:-$DESKTOP_ROOT/build}
DESKTOP_ARTIFACTS=${DESKTOP_ARTIFACTS:-$DESKTOP_BUILD/Testing/artifacts/$(basename "$0" .sh)}
DESKTOP_WORK=$(mktemp -d "${TMPDIR:-/tmp}/desktop-test.XXXXXX")
DESKTOP_PIDS=()
INSTALLER_PID=""

desktop_skip() {
  echo "SKIP: $*"
  exit 77
}

desktop_need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || desktop_skip "$tool is not installed"
  done
}

desktop_screenshot() { # NAME
  mkdir -p "$DESKTOP_ARTIFACTS"
  import -display "$DISPLAY" -window root "png:$DESKTOP_ARTIFACTS/$1.png" 2>/dev/null \
    && echo "screenshot: $DESKTOP_ARTIFACTS/$1.png"
}

desktop_fail() {
  echo "FAIL: $*" >&2
  [ -n "${DISPLAY:-}" ] && desktop_screenshot "failed-$(date +%H%M%S)" >&2 || true
  exit 1
}

desktop_cleanup() {
  local pid
  for pid in $INSTALLER_PID "${DESKTOP_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in $INSTALLER_PID "${DESKTOP_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$DESKTOP_WORK"
}
trap desktop_cleanup EXIT

# Starts Xvfb on the first free display from $1 (default 100) and openbox on
# it, and exports DISPLAY. -noreset: without it the server resets whenever its
# last client leaves, and a client connecting in that moment is refused.
desktop_start() { # [FIRST_DISPLAY]
  desktop_need Xvfb openbox xdotool xprop xwininfo wmctrl import
  local n pid
  for n in $(seq "${1:-100}" $(( ${1:-100} + 99 ))); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -noreset -nolisten tcp >"$DESKTOP_WORK/xvfb.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
      [ -S "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    if [ -S "/tmp/.X11-unix/X$n" ] && kill -0 "$pid" 2>/dev/null; then
      DESKTOP_PIDS+=("$pid")
      export DISPLAY=":$n"
      unset WAYLAND_DISPLAY QT_QPA_PLATFORM
      desktop_start_window_manager
      return 0
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  desktop_fail "no free display for Xvfb"
}

desktop_start_window_manager() {
  openbox --sm-disable >"$DESKTOP_WORK/openbox.log" 2>&1 &
  DESKTOP_PIDS+=("$!")
  # The window manager is up once it has set its check window on the root.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  desktop_fail "openbox did not start"
}

# A release folder made by the real release command from the demo release's
# files: the program with everything it carries, and the files beside it.
desktop_make_release() { # DIR
  local files="$DESKTOP_WORK/release-files"
  rm -rf "$files"
  "$DESKTOP_ROOT/scripts/make_demo.sh" "$files" >/dev/null
  INSTALLER_BUILD=$DESKTOP_BUILD "$DESKTOP_ROOT/scripts/make_release.sh" "$1" \
    "$files"/install.ini "$files"/*.rar "$files"/*.nfo "$files"/file_id.diz >/dev/null
}

# Starts the installer from inside DIR, as a user would; its output goes to
# $DESKTOP_WORK/installer.log.
desktop_start_installer() { # DIR [PROGRAM]
  local program=${2:-$1/installer}
  (cd "$1" && exec "$program") >"$DESKTOP_WORK/installer.log" 2>&1 &
  INSTALLER_PID=$!
}

# Waits for the installer to end and sets EXIT_CODE to its exit code. Not
# to be called in a subshell: only this shell can wait for its child.
desktop_wait_exit() { # [TIMEOUT_SECONDS]
  EXIT_CODE=0
  for _ in $(seq $(( ${1:-10} * 20 ))); do
    kill -0 "$INSTALLER_PID" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$INSTALLER_PID" 2>/dev/null && desktop_fail "the installer did not end"
  wait "$INSTALLER_PID" || EXIT_CODE=$?
  INSTALLER_PID=""
}

# Prints the id of the visible window whose title matches the pattern, waiting
# up to TIMEOUT seconds for it.
desktop_window() { # TITLE_REGEX [TIMEOUT_SECONDS]
  local id
  for _ in $(seq $(( ${2:-10} * 20 ))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  desktop_fail "no visible window titled /$1/"
}

# Succeeds when no visible window's title matches, within TIMEOUT seconds.
desktop_window_gone() { # TITLE_REGEX [TIMEOUT_SECONDS]
  for _ in $(seq $(( ${2:-10} * 20 ))); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  desktop_fail "window /$1/ still visible"
}

# Sets X, Y, WIDTH and HEIGHT to the window's client area on the screen.
# xwininfo, not xdotool: xdotool adds the frame's offset once more for a
# window that a window manager has framed.
desktop_geometry() { # WINDOW
  local info
  info=$(xwininfo -id "$1")
  X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

# A left click at client coordinates of a window, with the pointer moved
# there first as a user's hand would.
desktop_click() { # WINDOW X Y
  desktop_geometry "$1"
  local x=$((X + $2)) y=$((Y + $3))
  # --sync waits for the pointer to move, forever when it is already there.
  if [ "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd,)" != "$x,$y" ]; then
    xdotool mousemove --sync "$x" "$y"
  fi
  sleep 0.05
  xdotool click 1
  sleep 0.1
}

# The pixel of the screen at client coordinates of a window, as "r,g,b".
desktop_pixel() { # WINDOW X Y
  desktop_geometry "$1"
  import -display "$DISPLAY" -window root -depth 8 -crop "1x1+$((X + $2))+$((Y + $3))" txt:- 2>/dev/null \
    | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Whether the window's _NET_WM_STATE holds the atom (e.g. _NET_WM_STATE_SKIP_TASKBAR).
desktop_has_state() { # WINDOW ATOM
  xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -qw "$2"
}

# A window property as xprop prints it after the "=" (empty when unset).
desktop_property() { # WINDOW PROPERTY
  xprop -id "$1" "$2" 2>/dev/null | sed -n 's/^[^=]*= *//p; s/^[^:]*: *window id # //p'
}

# The window's ICCCM state: Normal, Iconic or Withdrawn.
desktop_wm_state() { # WINDOW
  xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: *//p'
}

# A close request as a task bar or a pager sends it (_NET_CLOSE_WINDOW): the
# window manager asks the program to close the window.
desktop_request_close() { # WINDOW
  wmctrl -i -c "$1"
  sleep 0.3
}

# Fails unless the installer ends within TIMEOUT seconds with exit code CODE.
desktop_expect_exit() { # CODE [TIMEOUT_SECONDS]
  desktop_wait_exit "${2:-10}"
  [ "$EXIT_CODE" -eq "$1" ] || desktop_fail "exit code $EXIT_CODE, expected $1"
}

# Runs a step described by its text; a failing step fails the test with it.
desktop_check() { # DESCRIPTION COMMAND...
  local description=$1
  shift
  "$@" || desktop_fail "$description"
  echo "ok: $description"
}

# The windows' titles and their links' centres in client coordinates, from
# the window layouts. Titles other than the main window's are design
# captions that no task bar may show.
MAIN_TITLE='^Installer$'
CHOOSER_TITLE='^Form2$'
NEW_FOLDER_TITLE='^Form3$'
PROGRESS_TITLE='^Ready\.\.\.$'
VIEWER_TITLE='^Showing '
CREDITS_TITLE='^Form6$'
LINK_INSTALL="65 258"
LINK_INFORMATION="171 258"
LINK_QUIT="392 258"
LINK_CHOOSER_OK="50 332"
LINK_CHOOSER_CANCEL="249 332"
LINK_MAKEDIR="150 332"
LINK_NEW_FOLDER_OK="60 101"
LINK_EXTRACT="195 101"
LINK_YEP="197 102"

# Clicks a link of the window titled by the pattern: LINK is "X Y".
desktop_click_link() { # TITLE_REGEX LINK
  local window
  window=$(desktop_window "$1")
  # shellcheck disable=SC2086
  desktop_click "$window" $2
}

# Starts the private desktop and the installer in a fresh release folder,
# $RELEASE, and waits for the main window, $MAIN.
desktop_start_release() {
  desktop_start
  RELEASE=$DESKTOP_WORK/release
  desktop_make_release "$RELEASE"
  desktop_start_installer "$RELEASE"
  MAIN=$(desktop_window "$MAIN_TITLE")
}
