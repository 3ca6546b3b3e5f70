#!/usr/bin/env bash
# Draws the wizard's icons: a rounded badge in the colour of its family with a
# short glyph, so that every list and menu shows the same visual language.
# Needs ImageMagick and the DejaVu fonts. Run from this folder.
set -euo pipefail
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

badge() { # name size colour glyph [pointsize]
  local name=$1 size=$2 colour=$3 glyph=$4 pt=${5:-}
  local m=$((size - 1)) r=$((size / 5))
  [ -n "$pt" ] || pt=$((size * 9 / 16))
  convert -size ${size}x${size} xc:none \
    -fill "$colour" -stroke "#1e1e1e" -strokewidth 1 -draw "roundrectangle 0,0 $m,$m $r,$r" \
    -stroke none -fill white -font "$FONT" -pointsize "$pt" -gravity center -annotate +0+0 "$glyph" \
    -define png:color-type=6 "$name"
}

# logic part editors: blue family
badge PWlogic.png 16 "#2f6db5" "&"
badge PWpinlists.png 16 "#2f6db5" "P"
badge PWtoggle.png 16 "#2f6db5" "T"
badge PWtestSequence.png 16 "#2f6db5" "S"
badge PWvectors.png 16 "#4f8fd5" "V"
badge PWvectors1.png 16 "#4f8fd5" "v"
badge PWrepeat.png 16 "#4f8fd5" "R"
badge PWwait.png 16 "#4f8fd5" "W"
# patterns: green, red, amber
badge PWenable.png 16 "#2e8b57" "E"
badge PWdisable.png 16 "#b03030" "D"
badge PWlatch.png 16 "#c88a12" "L"
badge PWpackages.png 16 "#5a5a5a" "#"
# passive parts: teal family
badge PWResistor.png 16 "#1d7f7f" "R"
badge PWCapacitor.png 16 "#1d7f7f" "C"
badge PWInductor.png 16 "#1d7f7f" "L"
badge PWResonator.png 16 "#1d7f7f" "Q"
badge PWConnector.png 16 "#1d7f7f" "J"
badge PWConnection.png 16 "#1d7f7f" "~"
badge PWConditional.png 16 "#3aa0a0" "?"
# files: neutral
badge PWfilenew.png 16 "#6b6b6b" "+"
badge PWfileopen.png 16 "#6b6b6b" "O"
badge PWfilesave.png 16 "#6b6b6b" "S"
badge PWfileprint.png 22 "#6b6b6b" "P"
badge PWAscending.png 16 "#6b6b6b" "A" 8
badge PWDescending.png 16 "#6b6b6b" "Z" 8
# the wizard itself: purple
badge PWpartwright.png 16 "#6a3d9a" "P"
badge PWpartwrightwizard.png 32 "#6a3d9a" "PW" 14
badge PWpartwrightwizard01.png 32 "#8a5dba" "PW" 14
# compact header marker
convert -size 11x11 xc:none -fill "#2f6db5" -draw "polygon 2,2 8,5 2,8" -define png:color-type=6 PWCompact.png
