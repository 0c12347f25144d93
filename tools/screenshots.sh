#!/usr/bin/env bash
# Takes the README's screenshots from the real game on a private X server:
# the title page, a floor in play with the side panel, and the path preview.
#
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# Needs the built game (make build), Xvfb, xdotool and ImageMagick.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
out=$(mkdir -p "${2:-docs/screenshots}" && cd "${2:-docs/screenshots}" && pwd)
display=:${SCREENSHOT_DISPLAY:-77}

Xvfb "$display" -screen 0 800x600x16 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$build/game" && exec ../prowlgrid-windowed) &
game=$!
window=$(timeout 20 xdotool search --sync --name Vellmora | head -n 1)

# The pictures are 640 x 480; the window may carry a frame, so crop to it.
shot() {
  sleep "${2:-1}"
  import -window "$window" png:- | convert - -crop 640x480+0+0 +repage "$out/$1.png"
}
# The game polls the buttons once a frame: hold each press long enough to be seen.
press() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.3
  xdotool mousedown "${3:-1}"
  sleep 0.3
  xdotool mouseup "${3:-1}"
}

xdotool mousemove --window "$window" 420 250
shot title 2
press 320 336        # the start button
sleep 1
xdotool key --window "$window" space   # past the story page
sleep 1
# Floor 1 is 12 x 12: with the shipped settings a tile is 40 x 38 pixels
# from x = 160. Walk the acting soldier two cells right, then point at a
# cell further on to show the step count.
press 280 133
xdotool mousemove --window "$window" 80 300
shot play 3
xdotool mousemove --window "$window" 340 247
shot preview 1
echo "screenshots in $out"
