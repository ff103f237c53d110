#!/bin/sh
# Draws the program's pictures (servo pictures, logo, icon) with ImageMagick.
# The files are committed; run this only to change them.
set -e
cd "$(dirname "$0")"

# A servo seen from above: case with mounting ears, output shaft, a horn arm
# and an arrow giving the shaft's sense of rotation ($2: cw or ccw).
servo() {
  out=$1; sense=$2
  if [ "$sense" = cw ]; then
    arc="path 'M 36,22 A 18,18 0 0 1 66,30'"; head="polygon 66,30 58,30 66,22"
  else
    arc="path 'M 64,22 A 18,18 0 0 0 34,30'"; head="polygon 34,30 42,30 34,22"
  fi
  convert -size 100x80 xc:'#E0E0E0' \
    -fill '#3A3A48' -stroke '#111111' -strokewidth 1 -draw "roundrectangle 4,34 96,66 3,3" \
    -fill '#2C2C38' -draw "roundrectangle 14,28 86,72 4,4" \
    -fill '#9A9AA8' -stroke '#111111' -draw "circle 22,50 22,45" -draw "circle 78,50 78,45" \
    -fill '#F2F2F2' -stroke '#222222' -strokewidth 1 -draw "roundrectangle 44,40 82,48 4,4" \
    -fill '#D8D8D8' -draw "circle 50,44 50,35" \
    -fill '#555555' -draw "circle 50,44 50,41" \
    -fill none -stroke '#C00000' -strokewidth 3 -draw "$arc" \
    -fill '#C00000' -stroke '#C00000' -strokewidth 1 -draw "$head" \
    -fill '#E8E8E8' -stroke none -font Liberation-Sans-Bold -pointsize 9 \
    -draw "text 22,66 'OSTREL'" \
    "$out"
}
servo servop.gif cw
servo servon.gif ccw

convert -size 178x101 gradient:'#2E4A7A'-'#0E1A30' \
  -fill '#F4F4F4' -font Liberation-Sans-Bold -pointsize 30 -gravity north \
  -annotate +0+16 'TESSARO' \
  -fill '#F2C14E' -font Liberation-Sans -pointsize 11 -annotate +0+56 'Korvane servo programmer' \
  -fill none -stroke '#F2C14E' -strokewidth 2 -draw "line 20,80 158,80" \
  PNG24:logo.png

convert -size 64x64 xc:none -fill '#2E4A7A' -draw "roundrectangle 2,2 61,61 10,10" \
  -fill '#F2F2F2' -draw "roundrectangle 14,28 50,38 5,5" -draw "circle 22,33 22,22" \
  -fill '#F2C14E' -draw "circle 22,33 22,29" PNG32:tessaro.png
