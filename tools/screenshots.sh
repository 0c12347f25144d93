#!/usr/bin/env bash
# Takes the README's screenshots from the real game on a private X server:
# the title page, a floor in play with the side panel, and the path preview,
# each as the game draws it, and the same floor in play as the 2x window shows it.
#
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# Needs the built game (make build), Xvfb, xdotool and ImageMagick.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
out=$(mkdir -p "${2:-docs/screenshots}" && cd "${2:-docs/screenshots}" && pwd)
display=:${SCREENSHOT_DISPLAY:-77}

# The game opens its window at 2x on this desktop.
scale=2
Xvfb "$display" -screen 0 1600x1200x16 -nolisten tcp >/dev/null 2>&1 &
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

# The window shows the 640 x 480 frame in 2 x 2 blocks: shrunk back, it is the
# frame itself. Coordinates below are the frame's.
shot() {
  sleep "${2:-1}"
  import -window "$window" png:- | convert - -crop $((640 * scale))x$((480 * scale))+0+0 +repage \
    "$out/window-${scale}x.png"
  convert "$out/window-${scale}x.png" -sample "640x480" "$out/$1.png"
}
point() {
  xdotool mousemove --window "$window" $(($1 * scale + 1)) $(($2 * scale + 1))
}
# The game polls the buttons once a frame: hold each press long enough to be seen.
press() {
  point "$1" "$2"
  sleep 0.3
  xdotool mousedown "${3:-1}"
  sleep 0.3
  xdotool mouseup "${3:-1}"
}

point 420 250
shot title 2
press 320 336        # the start button
sleep 1
xdotool key --window "$window" space   # past the story page
sleep 1
# Floor 1 is 12 x 12: with the shipped settings a tile is 40 x 38 pixels
# from x = 160. Walk the acting soldier two cells right, then point at a
# cell further on to show the step count.
press 280 133
point 80 300
shot play 3
cp "$out/window-${scale}x.png" "$out/play-window-${scale}x.png"
point 340 247
shot preview 1
rm "$out/window-${scale}x.png"
echo "screenshots in $out"
