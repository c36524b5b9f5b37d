#!/usr/bin/env bash
# Draws the button pictures and the program icon into resources/pictures/.
#
# Each button has a bright picture shown while the pointer is over it (<NAME>ON),
# a dim one for the rest of the time (<NAME>OFF) and, for buttons that can be
# disabled, a grey one (<NAME>DISABLED). Symbols come from the Tango icon theme
# (public domain) and from a few small drawings below (key, padlock, plus,
# cross, pencil, spark). The tools are needed only to run this script; the
# build uses the committed PNG files.
set -euo pipefail

tango=/usr/share/icons/Tango/scalable
need=()
[ -d "$tango" ] || need+=(tango-icon-theme)
command -v rsvg-convert >/dev/null || need+=(librsvg2-bin)
dpkg-query -W -f='${Status}' imagemagick 2>/dev/null | grep -q "ok installed" || need+=(imagemagick)
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}" >&2
  if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
im=/usr/bin/convert

out="$(cd "$(dirname "$0")/.." && pwd)/resources/pictures"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# --- Our own drawings -------------------------------------------------------
cat >"$work/key.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="32" viewBox="0 0 64 32">
 <defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#fce94f"/><stop offset="1" stop-color="#c4a000"/></linearGradient></defs>
 <path fill="url(#g)" fill-rule="evenodd" stroke="#7a4d02" stroke-width="2.5" stroke-linejoin="round"
  d="M25.3 12 A12 12 0 1 0 25.3 20 H43 V27 H48 V23 H52 V28 H57 V20 H61 V12 Z
     M8 16 a5 5 0 1 0 10 0 a5 5 0 1 0 -10 0 Z"/>
 <path fill="none" stroke="#fffbd0" stroke-width="1.5" stroke-opacity="0.8" d="M27 14.5 H59"/>
</svg>
EOF
cat >"$work/padlock.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
 <defs>
  <linearGradient id="body" x1="0" y1="0" x2="0" y2="1">
   <stop offset="0" stop-color="#fce94f"/><stop offset="1" stop-color="#c4a000"/></linearGradient>
  <linearGradient id="steel" x1="0" y1="0" x2="1" y2="0">
   <stop offset="0" stop-color="#888a85"/><stop offset="0.5" stop-color="#eeeeec"/>
   <stop offset="1" stop-color="#888a85"/></linearGradient>
 </defs>
 <path d="M19 31 V20 a13 13 0 0 1 26 0 V31" fill="none" stroke="#2e3436" stroke-width="10"/>
 <path d="M19 31 V20 a13 13 0 0 1 26 0 V31" fill="none" stroke="url(#steel)" stroke-width="6"/>
 <rect x="8" y="28" width="48" height="33" rx="5" fill="url(#body)" stroke="#7a4d02" stroke-width="2.5"/>
 <rect x="11.5" y="31.5" width="41" height="4" rx="2" fill="#fffbd0" opacity="0.6"/>
 <circle cx="32" cy="42" r="5" fill="#2e3436"/>
 <path d="M29.5 44 L28 54 H36 L34.5 44 Z" fill="#2e3436"/>
</svg>
EOF
cat >"$work/plus.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
 <path d="M16 5 V27 M5 16 H27" stroke="#2c5e05" stroke-width="11" stroke-linecap="round"/>
 <path d="M16 5 V27 M5 16 H27" stroke="#73d216" stroke-width="6.5" stroke-linecap="round"/>
</svg>
EOF
cat >"$work/cross.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
 <path d="M7 7 L25 25 M25 7 L7 25" stroke="#730000" stroke-width="11" stroke-linecap="round"/>
 <path d="M7 7 L25 25 M25 7 L7 25" stroke="#ef2929" stroke-width="6.5" stroke-linecap="round"/>
</svg>
EOF
cat >"$work/pencil.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
 <g transform="rotate(-45 16 16)" stroke="#3a2800" stroke-width="2" stroke-linejoin="round">
  <path d="M9 11 H27 V21 H9 Z" fill="#f57900"/>
  <path d="M27 11 H31 V21 H27 Z" fill="#ad7fa8"/>
  <path d="M9 11 L1 16 L9 21 Z" fill="#e9b96e"/>
  <path d="M3.5 14.5 L1 16 L3.5 17.5 Z" fill="#2e3436"/>
 </g>
</svg>
EOF
cat >"$work/spark.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
 <path d="M16 1 L19.5 12.5 L31 16 L19.5 19.5 L16 31 L12.5 19.5 L1 16 L12.5 12.5 Z"
  fill="#fce94f" stroke="#c17d11" stroke-width="1.5" stroke-linejoin="round"/>
</svg>
EOF

# --- Helpers ----------------------------------------------------------------
# svg FILE W H: renders an SVG (ours by name, or a Tango path) at W x H.
svg() {
  local src=$1 w=$2 h=$3
  [ -f "$work/$src.svg" ] && src="$work/$src.svg" || src="$tango/$src.svg"
  local png="$work/r$RANDOM$RANDOM.png"
  rsvg-convert -w "$w" -h "$h" "$src" -o "$png"
  echo "$png"
}

# picture NAME W H SYMBOL SIZE [EMBLEM ESIZE [PLACE]]: the symbol on a transparent
# W x H canvas, centred, or at the left with the emblem at the right when PLACE
# is "side"; otherwise the emblem sits in the lower right corner.
picture() {
  local name=$1 w=$2 h=$3 symbol=$4 size=$5 emblem=${6:-} esize=${7:-0} place=${8:-corner}
  local sw=${size%x*} sh=${size#*x} at=center eat=southeast
  [ "$place" = side ] && at=west && eat=east
  local args=(-size "${w}x${h}" xc:none "$(svg "$symbol" "$sw" "$sh")" -gravity "$at" -composite)
  if [ -n "$emblem" ]; then
    args+=("$(svg "$emblem" "$esize" "$esize")" -gravity "$eat" -composite)
  fi
  "$im" "${args[@]}" "$work/$name.png"
}

# pair NAME [disabled]: writes NAMEON (vivid), NAMEOFF (dim) and NAMEDISABLED (grey).
pair() {
  local name=$1 base="$work/$1.png"
  "$im" "$base" -modulate 104,135 -strip "PNG32:$out/${name}ON.png"
  "$im" "$base" -modulate 82,30 -channel A -evaluate multiply 0.9 +channel -strip "PNG32:$out/${name}OFF.png"
  if [ "${2:-}" = disabled ]; then
    "$im" "$base" -colorspace Gray +level 38%,74% -colorspace sRGB \
         -channel A -evaluate multiply 0.75 +channel -strip "PNG32:$out/${name}DISABLED.png"
  fi
}

# --- The buttons ------------------------------------------------------------
#        name         w  h  symbol                          size   emblem  esize
picture NEW          32 32 actions/document-new            32x32
picture OPEN         32 25 actions/document-open           25x25
picture GROUPADD     28 28 places/folder                   26x26  plus    15
picture GROUPEDIT    28 28 places/folder                   26x26  pencil  17
picture GROUPDEL     28 28 places/folder                   26x26  cross   14
picture REPORT       34 34 mimetypes/x-office-spreadsheet  34x34
picture LOG          31 31 mimetypes/text-x-generic        31x31  padlock 16
picture EXPIRE       32 21 mimetypes/x-office-calendar     21x21  actions/appointment 14
picture OPTIONS      34 30 categories/preferences-system   30x30
picture FIND         28 28 actions/system-search           28x28
picture EXIT         32 23 actions/system-log-out          23x23
picture PASSWORDADD  28 15 key                             18x9   plus    11 side
picture PWDEDIT      28 15 key                             18x9   pencil  12 side
picture PASSWORDDEL  28 15 key                             18x9   cross   10 side
picture GOURL        20 20 apps/internet-web-browser       20x20

# The generator button: the key turned upright across the square, with a spark.
rsvg-convert -w 120 -h 60 "$work/key.svg" -o "$work/bigkey.png"
"$im" -background none "$work/bigkey.png" -rotate -45 -trim +repage -resize 30x30 \
     -gravity southwest -extent 32x32 \( "$(svg spark 13 13)" \) -gravity northeast -composite \
     "$work/PASSWORD.png"
for n in NEW OPEN EXIT; do pair $n; done
for n in GROUPADD GROUPEDIT GROUPDEL REPORT LOG EXPIRE OPTIONS FIND \
         PASSWORDADD PWDEDIT PASSWORDDEL PASSWORD GOURL; do
  pair $n disabled
done

# The program icon: a padlock.
rsvg-convert -w 64 -h 64 "$work/padlock.svg" -o "$work/icon.png"
"$im" "$work/icon.png" -strip "PNG32:$out/LOCKWELL.png"

ls "$out" | wc -l | xargs echo "pictures written:"
