#!/bin/sh
# Draws the program's pictures (servo pictures, logo, icon). The servo pictures
# and the logo are drawn once as SVG and rendered at their size and at twice it
# (name@2x), which the program takes on screens scaled above 1. Needs
# rsvg-convert (librsvg2-bin), ImageMagick and the Liberation fonts. The files
# are committed; run this only to change them.
set -e
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# render SVG WIDTH HEIGHT OUT: at 1x and 2x; a GIF is flattened on the window grey.
render() {
  svg=$1; w=$2; h=$3; out=$4
  base=${out%.*}; ext=${out##*.}
  for scale in 1 2; do
    name=$base.$ext
    [ "$scale" = 2 ] && name=$base@2x.$ext
    rsvg-convert -w $((w * scale)) -h $((h * scale)) -o "$work/pic.png" "$svg"
    if [ "$ext" = gif ]; then
      convert "$work/pic.png" -background '#E0E0E0' -flatten "$name"
    else
      convert "$work/pic.png" PNG32:"$name"
    fi
  done
}

# A servo seen from above: case with mounting ears, output shaft, a horn arm
# and an arrow giving the shaft's sense of rotation ($2: cw or ccw).
servo() {
  out=$1; sense=$2
  if [ "$sense" = cw ]; then
    arc="M 36.5,22.5 A 18,18 0 0 1 66.5,30.5"; head="66.5,30.5 58.5,30.5 66.5,22.5"
  else
    arc="M 64.5,22.5 A 18,18 0 0 0 34.5,30.5"; head="34.5,30.5 42.5,30.5 34.5,22.5"
  fi
  cat >"$work/servo.svg" <<EOF
<svg xmlns="http://www.w3.org/2000/svg" width="100" height="80" viewBox="0 0 100 80">
  <rect width="100" height="80" fill="#E0E0E0"/>
  <g stroke="#111111" stroke-width="1">
    <rect x="4.5" y="34.5" width="92" height="32" rx="3" fill="#3A3A48"/>
    <rect x="14.5" y="28.5" width="72" height="44" rx="4" fill="#2C2C38"/>
    <circle cx="22.5" cy="50.5" r="5" fill="#9A9AA8"/>
    <circle cx="78.5" cy="50.5" r="5" fill="#9A9AA8"/>
  </g>
  <g stroke="#222222" stroke-width="1">
    <rect x="44.5" y="40.5" width="38" height="8" rx="4" fill="#F2F2F2"/>
    <circle cx="50.5" cy="44.5" r="9" fill="#D8D8D8"/>
    <circle cx="50.5" cy="44.5" r="3" fill="#555555"/>
  </g>
  <path d="$arc" fill="none" stroke="#C00000" stroke-width="3"/>
  <polygon points="$head" fill="#C00000" stroke="#C00000" stroke-width="1"/>
  <text x="22" y="66" font-family="Liberation Sans" font-weight="bold" font-size="9"
        fill="#E8E8E8">OSTREL</text>
</svg>
EOF
  render "$work/servo.svg" 100 80 "$out"
}
servo servop.gif cw
servo servon.gif ccw

# The logo's box is 101 pixels high, but the frames below start at 96: the
# last rows stay clear, so the window's grey shows between the frames.
cat >"$work/logo.svg" <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="178" height="101" viewBox="0 0 178 101">
  <defs>
    <linearGradient id="ground" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#2E4A7A"/>
      <stop offset="1" stop-color="#0E1A30"/>
    </linearGradient>
  </defs>
  <rect width="178" height="96" fill="url(#ground)"/>
  <text x="89" y="44" text-anchor="middle" font-family="Liberation Sans" font-weight="bold"
        font-size="30" fill="#F4F4F4">TESSARO</text>
  <text x="89" y="66" text-anchor="middle" font-family="Liberation Sans" font-size="11"
        fill="#F2C14E">Korvane servo programmer</text>
  <line x1="20" y1="80" x2="158" y2="80" stroke="#F2C14E" stroke-width="2"/>
</svg>
EOF
render "$work/logo.svg" 178 101 logo.png

convert -size 64x64 xc:none -fill '#2E4A7A' -draw "roundrectangle 2,2 61,61 10,10" \
  -fill '#F2F2F2' -draw "roundrectangle 14,28 50,38 5,5" -draw "circle 22,33 22,22" \
  -fill '#F2C14E' -draw "circle 22,33 22,29" PNG32:tessaro.png
