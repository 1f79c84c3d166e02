#!/usr/bin/env bash
# A release made by the real release command runs on a desktop that has none
# of our dependencies. In a private mount namespace the system's copies of
# Qt 6, libunrar.so.5, every other library the release carries, Qt's plugins
# and the Liberation and Terminus fonts are hidden (hide_dependencies.sh).
# There build/installer cannot start, while the release's installer shows its
# main window, shows the demo NFO in its own 8 x 12 face, and installs the
# demo archive byte for byte.
source "$(dirname "$0")/lib.sh"
[ "$(id -u)" -eq 0 ] || desktop_skip "hiding the system's libraries takes root"
desktop_need unshare mount unrar convert od
unshare -m --propagation private true 2>/dev/null || desktop_skip "unshare -m is not allowed here"
. "$(dirname "$0")/release_checks.sh"

release="$DESKTOP_WORK/release"
desktop_make_release "$release"

# Runs a command with the dependencies hidden.
hidden="$DESKTOP_WORK/hidden"
printf '#!/bin/sh\nexec unshare -m --propagation private bash %q %q "$@"\n' \
  "$DESKTOP_ROOT/tests/desktop/hide_dependencies.sh" "$release" >"$hidden"
chmod +x "$hidden"
bundled="$DESKTOP_WORK/bundled"
printf '#!/bin/sh\nexec %q %q\n' "$hidden" "$release/installer" >"$bundled"
chmod +x "$bundled"

desktop_start 300

# ---- The masking works: the program as built cannot start. ---------------
status=0
output=$(cd "$release" && timeout 20 "$hidden" "$DESKTOP_BUILD/installer" 2>&1) || status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || desktop_fail "build/installer started without its libraries (status $status)"
grep -q 'error while loading shared libraries' <<<"$output" \
  || desktop_fail "build/installer failed otherwise than for its libraries: $output"
echo "ok: build/installer does not start: ${output##*: }"

# ---- Every carried ELF file finds its libraries in the release. -----------
(cd / && "$hidden" bash -c ". $(printf %q "$DESKTOP_ROOT/tests/desktop/release_checks.sh")
  desktop_fail() { echo \"FAIL: \$*\" >&2; exit 1; }
  check_release_libraries $(printf %q "$release")") || desktop_fail "a carried file does not find its libraries"
echo "ok: ldd finds every library of the release's files in the release"

# ---- The release's installer starts and shows its main window. ------------
desktop_start_installer "$release" "$bundled"
main=$(desktop_window '^Installer$' 20)
echo "ok: the main window maps"

# ---- A full install: Install, ok, extract. ---------------------------------
# shellcheck disable=SC2086
desktop_click "$main" $LINK_INSTALL
desktop_click_link "$CHOOSER_TITLE" "$LINK_CHOOSER_OK"
desktop_click_link "$PROGRESS_TITLE" "$LINK_EXTRACT"
desktop_window_gone "$PROGRESS_TITLE" 60
reference="$DESKTOP_WORK/reference"
mkdir -p "$reference"
(cd "$reference" && unrar x -idq -o+ "$release/$(sed -n '6s/\r$//p' "$release/install.ini")" >/dev/null)
files=0
while IFS= read -r -d '' file; do
  cmp -s "$reference/$file" "$release/$file" || desktop_fail "$file is not unpacked byte for byte"
  files=$((files + 1))
done < <(cd "$reference" && find . -type f -print0)
[ "$files" -ge 10 ] || desktop_fail "the reference holds only $files files"
echo "ok: the install unpacked all $files files byte for byte"

# ---- The viewer shows the demo NFO in the 8 x 12 face. ---------------------
desktop_click "$main" 130 258 # veldra.nfo
viewer=$(desktop_window '^Showing veldra\.nfo$')
sleep 0.5
shot="$DESKTOP_WORK/viewer.png"
import -window "$viewer" "png:$shot"
mkdir -p "$DESKTOP_ARTIFACTS"
cp "$shot" "$DESKTOP_ARTIFACTS/viewer.png"
# White text on dark red, as a plain bitmap: 1 where a letter's pixel is.
read -r ruler frame_columns long_run wide_row < <(
  convert "$shot" -colorspace Gray -threshold 50% -negate -compress none pbm:- | awk '
    NR == 1 { next }
    NR == 2 { w = $1; h = $2; next }
    { for (i = 1; i <= NF; i++) { p[n % w, int(n / w)] = $i; n++ } }
    END {
      # The longest run of set pixels in each row, and in each column.
      for (y = 0; y < h; y++) {
        run = 0; best = 0
        for (x = 0; x < w; x++) { run = p[x, y] ? run + 1 : 0; if (run > best) best = run }
        rowbest[y] = best
        if (best > widest) widest = best
      }
      ruler = 0
      for (y = 0; y < h; y++) if (rowbest[y] == 592) ruler++
      columns = ""; longest = 0
      for (x = 0; x < w; x++) {
        run = 0; best = 0
        for (y = 0; y < h; y++) { run = p[x, y] ? run + 1 : 0; if (run > best) best = run }
        if (best >= 100) columns = columns (columns == "" ? "" : ",") x
        if (best > longest) longest = best
      }
      print ruler, columns, longest, widest
    }')
echo "viewer: rows spanning 592 px: $ruler; frame columns: $frame_columns; longest stroke: $long_run px; widest row: $wide_row px"
# The first line, two blanks and 74 lower half blocks: 74 x 8 px, 6 rows high
# (half of a 12-px line).
[ "$ruler" -eq 6 ] || desktop_fail "the line of 74 half blocks is not 592 px wide and 6 px high"
# The frame's double side strokes, 77 columns apart: 616 px.
IFS=, read -r left1 left2 right1 right2 extra <<<"$frame_columns"
[ -n "$right2" ] && [ -z "$extra" ] || desktop_fail "not two double side strokes: columns $frame_columns"
[ $((right1 - left1)) -eq 616 ] && [ $((right2 - left2)) -eq 616 ] \
  || desktop_fail "the frame's sides are $((right1 - left1)) px apart, not 77 x 8"
# The side strokes join from line to line down the whole box, and the top
# border's strokes from cell to cell across it.
[ "$long_run" -ge 288 ] || desktop_fail "the side strokes break within $long_run px"
[ "$wide_row" -ge 608 ] || desktop_fail "the border strokes break within $wide_row px"
echo "ok: the viewer shows the NFO in 8 x 12 cells, its box strokes joined"
