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
  desktop_need Xvfb openbox xdotool xprop import
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
desktop_geometry() { # WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# A left click at client coordinates of a window, with the pointer moved
# there first as a user's hand would.
desktop_click() { # WINDOW X Y
  desktop_geometry "$1"
  xdotool mousemove --sync $((X + $2)) $((Y + $3))
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
