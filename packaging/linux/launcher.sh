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
# From a terminal the player reads a failure there.
[ -t 2 ] && exec "$binary" "$@"

# Started from a menu, nobody sees standard error: it still gets every line,
# and the line that says why the game could not go on also shows in a dialog.
show_failure() { # LINE
  if command -v xmessage >/dev/null 2>&1; then
    xmessage -title Vellmora -center -buttons OK:0 -default OK "$1"
  elif command -v notify-send >/dev/null 2>&1; then
    notify-send --app-name=Vellmora --urgency=critical Vellmora "$1"
  fi
}

# Copies the game's standard error to ours as it comes; keeps the last failure line.
relay_errors() { # FIFO FAILURE_FILE
  while IFS= read -r line || [ -n "$line" ]; do
    printf '%s\n' "$line" >&2
    case $line in vellmora:*) printf '%s\n' "$line" >"$2" ;; esac
  done <"$1"
}

work=$(mktemp -d "${TMPDIR:-/tmp}/vellmora.XXXXXX") || exec "$binary" "$@"
mkfifo "$work/errors" || { rmdir "$work"; exec "$binary" "$@"; }
trap 'rm -rf "$work"' EXIT
relay_errors "$work/errors" "$work/failure" &
relay=$!
"$binary" "$@" 2>"$work/errors" &
game=$!
# A signal meant for the game reaches it; the wrapper waits for its end.
for signal in HUP INT TERM; do
  trap "kill -s $signal $game 2>/dev/null" "$signal"
done
while :; do
  wait "$game"
  status=$?
  kill -0 "$game" 2>/dev/null || break
done
wait "$relay"
if [ "$status" -ne 0 ] && [ -s "$work/failure" ]; then
  failure=$(cat "$work/failure")
  # The wrapper ends now; the dialog stays until the player closes it.
  show_failure "$failure" </dev/null >/dev/null 2>&1 &
fi
exit "$status"
