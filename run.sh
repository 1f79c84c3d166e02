#!/usr/bin/env bash
# Builds the installer, makes the demo release folder build/demo and starts the
# installer there (it reads install.ini from its current directory).
# With a display the installer runs in the foreground. Without one it runs on
# a private Xvfb server just long enough to save a screenshot of its main
# window to build/demo/screens/.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

./scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
./scripts/make_demo.sh build/demo >/dev/null
./scripts/make_release.sh build/demo >/dev/null

demo="$root/build/demo"
installer="$demo/installer"
cd "$demo"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$installer"
fi

# ---- No display: Xvfb, wait for the window, screenshot, clean up. ----------
screens="$demo/screens"
mkdir -p "$screens"
log="$screens/installer.log"
xvfb_pid=""
installer_pid=""

cleanup() {
  if [ -n "$installer_pid" ] && kill -0 "$installer_pid" 2>/dev/null; then
    kill "$installer_pid" 2>/dev/null || true
    wait "$installer_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

fail() {
  echo "run.sh: $*" >&2
  if [ -s "$log" ]; then
    echo "---- installer output (last lines of $log) ----" >&2
    tail -n 20 "$log" >&2
  fi
  exit 1
}

# Start Xvfb on the first free display from :99 up. Another server may grab
# the same number between the check and the start, so a server that dies or
# never opens its socket just moves us on to the next number.
display=""
for n in $(seq 99 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -S "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -S "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    display=":$n"
    break
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
[ -n "$display" ] || fail "could not start Xvfb on any display from :99 to :199"
export DISPLAY=$display
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

"$installer" >"$log" 2>&1 &
installer_pid=$!

# Wait up to ~15 s for the main window to be mapped.
window=""
deadline=$((SECONDS + 15))
while [ "$SECONDS" -lt "$deadline" ]; do
  window=$(xdotool search --onlyvisible --name '^Installer$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] || window=$(xdotool search --onlyvisible --class installer 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  if ! kill -0 "$installer_pid" 2>/dev/null; then
    status=0
    wait "$installer_pid" || status=$?
    installer_pid=""
    fail "the installer exited (status $status) before showing its window"
  fi
  sleep 0.1
done
[ -n "$window" ] || fail "the installer's window did not appear on $display within 15 s"

sleep 1 # let it paint
shot="$screens/main.png"
# ImageMagick's import reads what the screen shows; xwd -root misses the
# contents of small windows lying wholly over another one.
import -display "$display" -window root "png:$shot" || fail "screenshot failed"
echo "screenshot: $shot"

# Also a copy cropped to the window, when its geometry is readable.
geometry=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null || true)
X=$(sed -n 's/^X=//p' <<<"$geometry")
Y=$(sed -n 's/^Y=//p' <<<"$geometry")
WIDTH=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
HEIGHT=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
if [ -n "$X" ] && [ -n "$Y" ] && [ -n "$WIDTH" ] && [ -n "$HEIGHT" ]; then
  if convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "png:$screens/main-window.png" 2>/dev/null; then
    echo "window ($WIDTH x $HEIGHT at $X,$Y): $screens/main-window.png"
  fi
fi
