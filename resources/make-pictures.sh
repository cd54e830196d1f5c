#!/usr/bin/env bash
# Draws the installer's pictures and button glyphs with ImageMagick. The files it makes
# are committed as sources; run this again only to change a picture.
#   side.bmp      the tall picture at the dialog's left (97 x 268)
#   allset.bmp    glyph of "All Set": a green tick
#   help.bmp      glyph of "Help": a blue question mark
# Glyph backgrounds are magenta (255,0,255), the colour a glyph's bottom-left pixel
# names as transparent.
set -euo pipefail
cd "$(dirname "$0")"
font=DejaVu-Sans-Bold

# A navy-to-sky gradient with three paper notes pinned on it and the product's name
# running up the side.
convert -size 97x268 gradient:'#000080'-'#6fa8dc' \
  -fill '#fff7a8' -stroke '#8a7a20' -strokewidth 1 \
    -draw 'rotate -8 roundrectangle 14,40 70,92 3,3' \
  -fill '#c8f0c0' -stroke '#4a7a40' \
    -draw 'rotate 6 roundrectangle 30,110 86,160 3,3' \
  -fill '#ffd0d8' -stroke '#8a4050' \
    -draw 'rotate -4 roundrectangle 12,178 68,226 3,3' \
  -stroke none -fill '#c00000' \
    -draw 'circle 42,42 45,42' -draw 'circle 64,106 67,106' -draw 'circle 38,176 41,176' \
  -fill '#20308080' -stroke '#303060' -strokewidth 1 \
    -draw 'line 22,58 60,52' -draw 'line 23,66 61,60' -draw 'line 24,74 52,70' \
    -draw 'line 40,128 76,132' -draw 'line 39,136 75,140' \
    -draw 'line 20,196 58,194' -draw 'line 20,204 50,202' \
  -stroke none -fill white -font "$font" -pointsize 20 \
    -gravity south -annotate +0+8 'Pilo!' \
  -type truecolor BMP3:side.bmp

# 16 x 16 glyphs.
convert -size 16x16 xc:'#ff00ff' \
  -stroke '#006000' -strokewidth 3 -fill none -draw 'polyline 2,8 6,12 14,3' \
  -type truecolor BMP3:allset.bmp
convert -size 16x16 xc:'#ff00ff' \
  -fill '#000080' -stroke none -draw 'circle 8,8 8,1' \
  -fill white -font "$font" -pointsize 12 -gravity center -annotate +0+0 '?' \
  -type truecolor BMP3:help.bmp
