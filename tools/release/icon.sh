#!/usr/bin/env bash
# The icon: the squad soldier from the game's own pictures, each pixel a 4 x 4
# block, its bright pink background made transparent.
#   tools/release/icon.sh RUN_DIRECTORY OUT.png
set -euo pipefail
convert "$1/Data/Images/player.bmp" -filter point -resize 400% \
  -transparent 'rgb(255,0,255)' "PNG32:$2"
