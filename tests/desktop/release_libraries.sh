#!/usr/bin/env bash
# The release folder carries what the program needs and nothing the desktop
# must provide: every library a carried file needs is found, and one the
# release carries is always its own copy, through the RUNPATHs ($ORIGIN-
# relative) alone; only the xcb platform plugin is there; no library that the
# host list (release/host_libraries.txt) leaves to the desktop is carried.
source "$(dirname "$0")/lib.sh"
desktop_need ldd od

release="$DESKTOP_WORK/release"
desktop_make_release "$release"
. "$(dirname "$0")/release_checks.sh"

[ "$(ls "$release/.installer/plugins")" = platforms ] || desktop_fail "plugins other than platforms: $(ls "$release/.installer/plugins")"
[ "$(ls "$release/.installer/plugins/platforms")" = libqxcb.so ] \
  || desktop_fail "platform plugins other than xcb: $(ls "$release/.installer/plugins/platforms")"
for library in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libQt6DBus.so.6 libQt6XcbQpa.so.6 \
               libicuuc.so.72 libunrar.so.5; do
  [ -e "$release/.installer/lib/$library" ] || desktop_fail "$library is not carried"
done

host_patterns=$(grep -v '^#' "$DESKTOP_ROOT/release/host_libraries.txt" | grep .)
for carried in "$release"/.installer/lib/*; do
  if grep -Eq -f <(echo "$host_patterns") <<<"${carried##*/}"; then
    desktop_fail "${carried##*/} is carried though the desktop provides it"
  fi
done

# Run from another folder, so that nothing is found by the current directory.
cd /
check_release_libraries "$release"
echo "PASS: $(release_elf_files "$release" | wc -l) files, every carried library found in the release"
