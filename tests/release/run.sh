#!/usr/bin/env bash
# The release's smoke tests: each package is installed or unpacked and the real
# game started as a player would, on a private X server (smoke_play drives it).
#   the .deb      apt-get install, started by an unprivileged user from /, purged
#   the tarball   started through a symbolic link to its launcher, from /
#   the zip       under Wine; its title page equal to the Linux build's
#   the installer silent install, start from its start-menu entry, silent uninstall
# Needs root (or sudo) for apt-get. Everything it starts is stopped on exit.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(cat "$root/packaging/VERSION")
dist=$root/dist
work=$root/${RELEASE_BUILD:-build-release}/test-release
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

rm -rf "$work"
mkdir -p "$work"
g++ -std=c++17 -O2 -Wall -Wextra -Wshadow -o "$work/smoke_play" "$root/tests/release/smoke_play.cpp" -lX11
smoke=$work/smoke_play

xvfb=""
desktop=""
cleanup() {
  if [ -n "$desktop" ]; then
    WINEPREFIX=$work/wine wineserver -k 2>/dev/null || true
    kill "$desktop" 2>/dev/null || true
  fi
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

passed=()
pass() { passed+=("$1"); echo "-- passed: $1 (${SECONDS}s in)"; }

# The id of a window "Vellmora" of CLASS, on the screen, whose size at[1] x at[2] passes WHERE.
await_window() { # CLASS WHERE
  for _ in $(seq 600); do
    xwininfo -root -tree | awk -v class="(\"$1\"" '$2 == "\"Vellmora\":" && $3 == class {
      split($5, at, /[x+]/); if (at[3] >= 0 && at[4] >= 0 && '"$2"') { if (!f) print $1; f = 1 } }
      END { exit !f }' && return 0 || sleep 0.1
  done; return 1
}
# True once PID has ended, polled for at most SECONDS.
ended_within() { # PID SECONDS
  for _ in $(seq $(($2 * 10))); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  ! kill -0 "$1" 2>/dev/null
}
failure_shown() { # RUN_DIR CLASS COMMAND...: without a picture, stderr in a file as from a menu
  local copy=$work/broken-$2 status=0 dialog game
  cp -r "$1" "$copy" && find "$copy" -name door.bmp -delete
  (cd "$copy" && exec "${@:3}") 2>"$copy.err" &
  game=$!
  dialog=$(await_window "$2" 'at[2] < 480') ||
    { kill "$game"; echo "no dialog: $(cat "$copy.err")" >&2; exit 1; }
  # A dialog can be on the screen before it takes keys: press until it closes,
  # from the second try on with a click first, which gives it the focus.
  local click=""
  for _ in $(seq 20); do
    xdotool mousemove --window "$dialog" 10 10 $click key Return 2>/dev/null || true # keys go where the pointer is
    ended_within "$game" 3 && break
    click="click 1"
  done
  ended_within "$game" 1 || { kill "$game"; echo "the dialog did not close on Return" >&2; exit 1; }
  wait "$game" || status=$?
  [ "$status" = 1 ] && grep -q '^vellmora: .*door.bmp is missing' "$copy.err" ||
    { echo "status $status: $(cat "$copy.err")" >&2; exit 1; }
}

# ---------------------------------------------------------------- the .deb
deb=$dist/vellmora_${version}_amd64.deb
echo "== $deb"
$sudo apt-get purge -y -qq vellmora >/dev/null 2>&1 || true
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null
installed=$(dpkg-query -L vellmora)
# The wrappers tell their options, and the game refuses what it does not take.
/usr/games/vellmora --help | grep -q -- '--scale N' || { echo "vellmora --help names no --scale" >&2; exit 1; }
status=0
/usr/games/vellmora-fullscreen --scale 9 2>"$work/usage" || status=$?
[ "$status" = 2 ] && grep -q '^usage: vellmora ' "$work/usage" ||
  { echo "vellmora-fullscreen --scale 9: status $status, $(cat "$work/usage")" >&2; exit 1; }
convert /usr/share/games/vellmora/Data/Images/main.bmp "ppm:$work/main.ppm"
# nobody has no home and no rights on the data: the game must only read it.
"$smoke" /usr/share/games/vellmora "$work/main.ppm" --save "$work/title-deb.ppm" -- \
  $sudo runuser -u nobody -- env -i DISPLAY="$DISPLAY" HOME=/nonexistent \
  PATH=/usr/local/bin:/usr/bin:/bin:/usr/games sh -c 'cd / && exec vellmora'
DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq vellmora >/dev/null
left=""
while read -r path; do
  # Folders the package shares with others (/usr/games, ...) stay.
  [ -e "$path" ] && ! [ -d "$path" ] && left+=" $path"
done <<<"$installed"
for dir in /usr/share/games/vellmora /usr/lib/games/vellmora /usr/share/doc/vellmora; do
  [ -e "$dir" ] && left+=" $dir"
done
[ -z "$left" ] || { echo "left behind after the purge:$left" >&2; exit 1; }
pass "deb: installed, --help, started by nobody from /, purged"

# ---------------------------------------------------------------- the tarball
tarball=$dist/vellmora-$version-linux-x86_64.tar.gz
echo "== $tarball"
mkdir -p "$work/unpacked" "$work/bin"
tar xzf "$tarball" -C "$work/unpacked"
top=$work/unpacked/vellmora-$version-linux-x86_64
ln -s "$top/vellmora" "$work/bin/vellmora"
# The static build must show what the Debian build showed.
"$work/bin/vellmora" --help | grep -q -- '--fullscreen' || { echo "the tarball's --help names no --fullscreen" >&2; exit 1; }
(cd / && "$smoke" "$top/game" "$work/title-deb.ppm" --exact --save "$work/title-linux.ppm" -- \
  env HOME="$work" "$work/bin/vellmora" --scale 1)
pass "tarball: started through a symbolic link from /, title equal to the deb's, --help"

failure_shown "$top" xmessage ./vellmora
pass "tarball: a failure with standard error in a file, its line also in a dialog"

# ---------------------------------------------------------------- Windows
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export HOME=$work/home
mkdir -p "$HOME"
# No sound device here, and the game stops at start-up without one.
echo 'pcm.!default { type null }' > "$HOME/.asoundrc"
echo "== Wine's first start"
timeout 600 wineboot -i >/dev/null 2>&1
# Input only reaches a window inside Wine's own desktop: every program of
# this prefix goes there, and the desktop is up before the first one starts.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
wine explorer /desktop=Default,800x600 >/dev/null 2>&1 &
desktop=$!
for _ in $(seq 300); do
  xwininfo -root -children 2>/dev/null | grep -q '"Default - Wine desktop"' && break
  sleep 0.1
done

zip=$dist/vellmora-$version-windows-x86_64.zip
echo "== $zip"
mkdir -p "$work/windows"
(cd "$work/windows" && unzip -q "$zip")
folder=$work/windows/vellmora-$version-windows-x86_64
zip_smoke() {
  "$smoke" "$folder" "$work/title-linux.ppm" --exact --save "$work/title-wine.ppm" --move -- \
    sh -c "cd '$folder' && exec wine vellmora.exe"
}
# Now and then the first program of a new prefix is still waiting on Wine's
# own start when the smoke gives up on its title; the second start is judged.
if ! zip_smoke; then
  echo "-- no title at Wine's first start; its windows were:"
  xwininfo -root -tree | grep -E '"[^"]+"' | head -n 20
  zip_smoke
fi
pass "zip: under Wine, title equal to the Linux build's, START, story, floor 1, a move, Esc"

"$smoke" "$folder" "$work/title-linux.ppm" -- sh -c "cd '$folder' && exec wine vellmora-fullscreen.exe"
pass "zip: the full-screen program under Wine, START, story, floor 1, Esc"

failure_shown "$folder" vellmora.exe wine vellmora.exe
pass "zip: a failure under Wine in a message box titled Vellmora, on standard error, status 1"

setup=$dist/vellmora-$version-windows-x86_64-setup.exe
echo "== $setup"
drive=$WINEPREFIX/drive_c
installed_dir="$drive/Program Files/Vellmora"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vellmora"
timeout 300 wine "$setup" /S
[ -f "$installed_dir/vellmora.exe" ] || { echo "no vellmora.exe after the silent install" >&2; exit 1; }
[ -f "$menu/Vellmora.lnk" ] || { echo "no start-menu entry after the silent install" >&2; exit 1; }
# From /, so only the shortcut can give the game its folder.
(cd / && "$smoke" "$installed_dir" "$work/title-linux.ppm" --exact \
  --detached 'Vellmora\vellmora.exe' -- wine start /unix "$menu/Vellmora.lnk")
# The silent uninstaller ends a running game first.
wine start /unix "$menu/Vellmora (full screen).lnk"
await_window vellmora-fullscreen.exe 'at[2] >= 480' >/dev/null || { echo "no full-screen game" >&2; exit 1; }
timeout 300 wine "$installed_dir/uninstall.exe" /S
# The uninstaller runs on from a copy of itself: wait for it to finish.
for _ in $(seq 600); do
  [ -e "$installed_dir" ] || [ -e "$menu" ] || break
  sleep 0.1
done
[ ! -e "$installed_dir" ] || { echo "left behind: $(find "$installed_dir")" >&2; exit 1; }
[ ! -e "$menu" ] || { echo "left behind: $menu" >&2; exit 1; }
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellmora' >/dev/null 2>&1; then
  echo "left behind: the uninstall entry in the registry" >&2
  exit 1
fi
pass "installer: silent install, started from the start menu, silent uninstall ends the running game"

echo "release: ${#passed[@]} passed, 0 failed"
