#!/usr/bin/env bash
# Builds a demo release folder for trying the installer by hand:
#   install.ini, veldra.nfo, file_id.diz and a multi-volume RAR archive
#   (neondrift.part1.rar, neondrift.part2.rar, ...) with an archive comment.
# Usage: scripts/make_demo.sh OUTDIR
# Idempotent: every run rebuilds the release files from scratch; OUTDIR/screens
# (where run.sh saves screenshots) and anything else in OUTDIR are left alone.
# Everything here is made up: the game, the group and the greeted groups.
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi

# ${#var} must count characters, not bytes, when padding the UTF-8 art.
export LC_ALL=C.UTF-8

for tool in rar unrar iconv; do
  command -v "$tool" >/dev/null || { echo "$0: '$tool' not found (run scripts/setup.sh)" >&2; exit 1; }
done

mkdir -p "$1"
out=$(cd "$1" && pwd)
mkdir -p "$out/screens"

title="NEON DRIFT 2027"
subtitle="(c) VELDRA - Demo Release"
nfo_name="veldra.nfo"
diz_name="file_id.diz"
folder_name="NeonDrift"
rar_base="neondrift"

work=$(mktemp -d "${TMPDIR:-/tmp}/make_demo.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Remove the previous release files (stale volumes included).
rm -f "$out/install.ini" "$out/$diz_name" "$out"/*.nfo \
      "$out/$rar_base".rar "$out/$rar_base".part*.rar "$out/$rar_base".r[0-9][0-9]

# --------------------------------------------------------------------------
# Archive content: ~6 MB, part compressible text, part random data.
# Entry names are relative, so the archive unpacks straight into the folder
# the user picks.
# --------------------------------------------------------------------------
content="$work/content"
mkdir -p "$content"/{data,docs,music,config}

cat >"$content/readme.txt" <<'EOF'
NEON DRIFT 2027 - demo build
============================

Thanks for installing. This folder holds a pretend game made only to
give the installer something to unpack:

  data/    level and texture packs (random bytes, they do not compress)
  docs/    manual, change log and credits (plain text, they compress well)
  music/   soundtrack files (random bytes again)
  config/  default settings

Nothing in here runs. Delete the folder when you are done.
EOF

cat >"$content/config/settings.cfg" <<'EOF'
[video]
width=1280
height=800
fullscreen=0
vsync=1

[audio]
music_volume=70
effects_volume=85

[controls]
steer_left=A
steer_right=D
throttle=W
brake=S
drift=SPACE
EOF

cat >"$content/docs/changes.txt" <<'EOF'
1.0.3  fixed the tunnel lights flickering on the harbour track
1.0.2  rebalanced the drift boost, added two night-time colour schemes
1.0.1  faster loading of the city tracks
1.0.0  first release
EOF

# A long manual of varied but repetitive text (compresses to a fraction).
{
  echo "NEON DRIFT 2027 - PLAYER MANUAL"
  echo
  districts=(Harbour Skyline Old\ Town Canal Foundry Airport Market Tunnel)
  moods=(rain-soaked mirror-bright humming restless quiet electric hazy)
  for chapter in $(seq 1 150); do
    echo "Chapter $chapter"
    echo "----------"
    for line in $(seq 1 50); do
      d=${districts[$(( (chapter * 7 + line) % ${#districts[@]} ))]}
      m=${moods[$(( (chapter + line * 3) % ${#moods[@]} ))]}
      echo "Lap $line through the $m $d district: keep the needle above $(( 80 + (chapter * line) % 120 )) km/h and drift late into corner $(( line % 9 + 1 ))."
    done
    echo
  done
} >"$content/docs/manual.txt"

# One non-ASCII entry name, to exercise the extractor's name handling.
printf 'Design, code and sound: the VELDRA crew.\nSpecial thanks to everyone who tested the night tracks.\n' \
  >"$content/docs/crédits.txt"

head -c 1500000 /dev/urandom >"$content/data/level1.dat"
head -c 1200000 /dev/urandom >"$content/data/level2.dat"
head -c  400000 /dev/urandom >"$content/data/level3.dat"
head -c  900000 /dev/urandom >"$content/data/textures.pak"
head -c  700000 /dev/urandom >"$content/music/track01.ogg"
head -c  650000 /dev/urandom >"$content/music/track02.ogg"

touch -d '2027-03-14 12:00:00' "$content" "$content"/* "$content"/*/*

printf '%s\r\n' \
  "NEON DRIFT 2027 - demo release by VELDRA" \
  "Unpack with the installer in this folder." \
  "Made-up content for testing only." >"$work/comment.txt"

# -v1m: ~1 MB volumes, named neondrift.part1.rar, neondrift.part2.rar, ...
(cd "$content" && rar a -m3 -v1m -r -y -idq -z"$work/comment.txt" "$out/$rar_base.rar" -- * >/dev/null)

first_volume=""
volumes=0
for v in "$out/$rar_base".part*.rar; do
  [ -e "$v" ] || continue
  volumes=$((volumes + 1))
  [[ $v =~ \.part0*1\.rar$ ]] && first_volume=${v##*/}
done
if [ -z "$first_volume" ]; then
  # rar made a single, unsplit archive.
  [ -e "$out/$rar_base.rar" ] || { echo "$0: rar made no archive" >&2; exit 1; }
  first_volume="$rar_base.rar"
  volumes=1
fi

unrar t -idq "$out/$first_volume" >/dev/null || { echo "$0: unrar t failed on $first_volume" >&2; exit 1; }

unpacked_kb=$(( $(du -sb "$content" | cut -f1) / 1024 ))

# --------------------------------------------------------------------------
# install.ini: six lines ended by CR LF.
# --------------------------------------------------------------------------
printf '%s\r\n' "$title" "$subtitle" "$nfo_name" "$diz_name" "$folder_name" "$first_volume" \
  >"$out/install.ini"

# --------------------------------------------------------------------------
# Text helpers: the art is written in UTF-8 and converted to code page 437.
# --------------------------------------------------------------------------
repeat() { # repeat CHAR COUNT
  local s=""
  local i
  for ((i = 0; i < $2; i++)); do s+=$1; done
  printf '%s' "$s"
}

W=76 # inner width of the NFO frame (78 columns with the borders)

# Boxed line, text padded to the inner width.
row() {
  local s=$1
  ((${#s} <= W)) || { echo "$0: NFO line too long (${#s}): $s" >&2; exit 1; }
  printf '║%s%s║\n' "$s" "$(repeat ' ' $((W - ${#s})))"
}

# Boxed line, text centred.
centre() {
  local s=$1
  local left=$(((W - ${#s}) / 2))
  row "$(repeat ' ' "$left")$s"
}

# Section divider: ╠══╡ NAME ╞════...╣
section() {
  local s="══╡ $1 ╞"
  printf '╠%s%s╣\n' "$s" "$(repeat '═' $((W - ${#s})))"
}

to_cp437_crlf() { # to_cp437_crlf FILE  (reads UTF-8 with LF on stdin)
  sed 's/$/\r/' | iconv -f UTF-8 -t CP437 >"$1"
}

# --------------------------------------------------------------------------
# The NFO.
# --------------------------------------------------------------------------
# Block letters, five rows each.
V=("██   ██" "██   ██" " ██ ██ " "  ███  " "   █   ")
E=("███████" "██     " "█████  " "██     " "███████")
L=("██     " "██     " "██     " "██     " "███████")
D=("██████ " "██   ██" "██   ██" "██   ██" "██████ ")
R=("██████ " "██   ██" "██████ " "██  ██ " "██   ██")
A=("  ███  " " ██ ██ " "██   ██" "███████" "██   ██")

banner_rows=()
for i in 0 1 2 3 4; do
  line="${V[i]}  ${E[i]}  ${L[i]}  ${D[i]}  ${R[i]}  ${A[i]}"
  # Fade the lower rows out.
  case $i in
    3) line=${line//█/▓} ;;
    4) line=${line//█/▒} ;;
  esac
  banner_rows+=("$line")
done
shadow=$(repeat '░' ${#banner_rows[0]})

{
  printf '  %s\n' "$(repeat '▄' 74)"
  printf '╔%s╗\n' "$(repeat '═' $W)"
  row ""
  for r in "${banner_rows[@]}"; do centre "$r"; done
  centre "$shadow"
  row ""
  centre "─────────  p r o u d l y   p r e s e n t s  ─────────"
  row ""
  centre "▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄"
  centre "█▓▒░   N E O N   D R I F T   2 0 2 7   ░▒▓█"
  centre "▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀"
  row ""
  section "RELEASE INFO"
  row ""
  row "    Title ............ Neon Drift 2027"
  row "    Developer ........ Halcyon Byteworks"
  row "    Genre ............ Arcade racer, night-city synthwave"
  row "    Release date ..... 2027-03-14"
  row "    Archive .......... $first_volume ($volumes volumes)"
  row "    Unpacked size .... $unpacked_kb KB"
  row "    Platform ......... Linux desktop"
  row ""
  section "ABOUT THE GAME"
  row ""
  row "    The city never switches its lights off and neither do you. Thread a"
  row "    humming coupe through eight districts of rain and chrome, chain"
  row "    drifts to charge the boost meter, and beat the ghost of last night's"
  row "    lap before the sun comes up over the harbour."
  row ""
  section "INSTALL NOTES"
  row ""
  row "    1. Run the installer from this folder."
  row "    2. Pick a folder, or type a name for a new one."
  row "    3. Press extract and watch the bar fill up."
  row "    4. Start the game from the folder you picked. Drive fast."
  row ""
  row "    Keep all $volumes volumes together; the installer reads them in turn."
  row ""
  section "GREETINGS"
  row ""
  centre "Quasar Loom  ·  Nullwave  ·  Pixelmoth  ·  Cobalt Fern"
  centre "Static Orchard  ·  Paper Comet  ·  Iron Kite  ·  Velvet Ohm"
  centre "Mothlight  ·  Lumen Sixteen  ·  Copper Tide  ·  Glass Harbour"
  row ""
  printf '╚%s╝\n' "$(repeat '═' $W)"
  printf '  %s\n' "$(repeat '▀' 74)"
  footer="░▒▓  VELDRA · keeping the night bright since 2019  ▓▒░"
  printf '%s%s\n' "$(repeat ' ' $(((W + 2 - ${#footer}) / 2)))" "$footer"
} | to_cp437_crlf "$out/$nfo_name"

# --------------------------------------------------------------------------
# file_id.diz: a small framed description, at most 45 columns.
# --------------------------------------------------------------------------
DW=41 # inner width (43 columns with the borders)
drow() { printf '║%s%s║\n' "$1" "$(repeat ' ' $((DW - ${#1})))"; }
{
  printf '╔%s╗\n' "$(repeat '═' $DW)"
  drow " ▓▒░ VELDRA ░▒▓        proudly presents"
  drow ""
  drow "        NEON DRIFT 2027  (c) 2027"
  drow "   Arcade racer in a rain-soaked city"
  drow ""
  drow "   $(printf '[01/%02d]' "$volumes")  Installer + RAR volumes"
  printf '╚%s╝\n' "$(repeat '═' $DW)"
} | to_cp437_crlf "$out/$diz_name"

echo "demo release in $out: $first_volume ($volumes volumes), $nfo_name, $diz_name, install.ini"
