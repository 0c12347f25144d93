#!/bin/sh
# Starts Vellmora from its data folder, wherever it is called from and through
# however many symbolic links. The package fills in where the game lives.
here=$(dirname "$(readlink -f "$0")")
data="@DATA@"
binary="@BINARY@"
case "$1" in
  --help | -h)
    cat <<HELP
Usage: $(basename "$0") [--windowed | --fullscreen] [--scale N]
Vellmora, a turn-based squad tactics game.

  --windowed     play in a window (how vellmora starts)
  --fullscreen   play on the whole screen at the desktop's own resolution
                 (how vellmora-fullscreen starts)
  --scale N      show each pixel of the game as an N x N block, N from 1 to 4;
                 without it, the largest scale that fits the screen
  --help         show this text

While playing: Alt+Enter switches between window and full screen; left button
walks or shoots, right button ends the soldier's turn, any key skips the screen
between two floors after its first second, Esc quits.
HELP
    exit 0 ;;
esac
cd "$data" || exit 1
exec "$binary" "$@"
