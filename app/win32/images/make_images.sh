#!/bin/sh
# Makes the program's pictures with ImageMagick 6 (convert); run from this folder. Each is
# drawn large and scaled down, so that the small sizes stay smooth:
#   kalvex3.ico  the program's icon (a framed picture), 16, 32 and 48 pixels
#   settings.ico, info.ico, open.ico, apply.ico, banner.ico  the main window's button
#                pictures, 16 and 32 pixels
#   flower.jpg   the about dialog's picture, 156 x 161 pixels
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# icon NAME SIZES DRAWING...: draws on a transparent 256 x 256 canvas.
icon() {
  name=$1 sizes=$2
  shift 2
  convert -size 256x256 xc:none "$@" "$work/$name.png"
  convert "$work/$name.png" -define icon:auto-resize="$sizes" "$name.ico"
}

icon kalvex3 48,32,16 \
  -fill '#1f5fbf' -draw 'roundrectangle 8,8 247,247 40,40' \
  -fill white -draw 'rectangle 36,52 219,203' \
  -fill '#8fd0ff' -draw 'rectangle 52,68 203,187' \
  -fill '#ffd000' -draw 'circle 160,104 160,80' \
  -fill '#2f9f3f' -draw 'polygon 52,187 104,112 144,160 172,132 203,168 203,187'

icon settings 32,16 \
  -fill '#505860' \
  -draw 'translate 128,128 rectangle -22,-116 22,116' \
  -draw 'translate 128,128 rotate 45 rectangle -22,-116 22,116' \
  -draw 'translate 128,128 rotate 90 rectangle -22,-116 22,116' \
  -draw 'translate 128,128 rotate 135 rectangle -22,-116 22,116' \
  -draw 'circle 128,128 128,40' \
  -fill none -stroke white -strokewidth 20 -draw 'circle 128,128 128,92'

icon info 32,16 \
  -fill '#1f5fbf' -draw 'circle 128,128 128,8' \
  -fill white -draw 'circle 128,72 128,50' \
  -draw 'roundrectangle 108,108 148,212 12,12'

icon open 32,16 \
  -fill '#c08a10' -draw 'polygon 16,52 96,52 116,76 232,76 232,212 16,212' \
  -fill '#f5c542' -draw 'polygon 48,108 248,108 216,212 16,212'

icon apply 32,16 \
  -fill none -stroke '#1e8c2e' -strokewidth 44 -draw 'stroke-linecap round stroke-linejoin round polyline 40,132 100,192 216,64'

icon banner 32,16 \
  -fill '#d42020' -draw 'circle 128,128 128,8' \
  -fill none -stroke white -strokewidth 36 -draw 'line 70,70 186,186' -draw 'line 186,70 70,186'

convert -size 156x161 gradient:'#cfeaff'-'#ffffff' \
  -fill '#3a9d3a' -draw 'rectangle 75,70 81,161' \
  -draw 'ellipse 58,128 20,8 0,360' -draw 'ellipse 98,112 20,8 0,360' \
  -fill '#ff6fa8' \
  -draw 'circle 78,36 78,20' -draw 'circle 102,50 102,34' -draw 'circle 102,78 102,62' \
  -draw 'circle 78,92 78,76' -draw 'circle 54,78 54,62' -draw 'circle 54,50 54,34' \
  -fill '#ffd000' -draw 'circle 78,64 78,48' \
  -strip -quality 88 flower.jpg
