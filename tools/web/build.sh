#!/usr/bin/env bash
# Builds the browser version into dist/vellmora-<version>-web.zip: index.html
# with the page's script and style at the top, the game as vellmora.js and
# vellmora.wasm, and the run directory packed as vellmora.data.
# The run directory is the native build's (BUILD, build/ by default), made by
# its game_data target; everything else stays under build-web/ (WEB_BUILD).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
native=$(mkdir -p "${BUILD:-build}" && cd "${BUILD:-build}" && pwd)
work=$(mkdir -p "${WEB_BUILD:-build-web}" && cd "${WEB_BUILD:-build-web}" && pwd)
version=$(cat packaging/VERSION)
zip=$root/dist/vellmora-$version-web.zip
jobs=$(nproc)
allegro=$work/allegro
# Emscripten's optimizer needs Debian's acorn, which a node from elsewhere does not look for.
export NODE_PATH=/usr/share/nodejs
# Debian's python, which its emscripten is for: a python3 found first on the
# PATH (pyenv's shims) may cost a second or more on each compiler call.
export EMSDK_PYTHON=/usr/bin/python3

step() { printf '== %s\n' "$*"; }

step "run directory (native build)"
[ -f "$native/CMakeCache.txt" ] || cmake -S "$root" -B "$native" >/dev/null
cmake --build "$native" -j "$jobs" --target game_data >/dev/null

step "Allegro for the browser"
"$root/tools/release/allegro.sh" web "$allegro"

step "game for the browser"
PKG_CONFIG_LIBDIR=$allegro/prefix/lib/pkgconfig cmake -S "$root" -B "$work/game" \
  -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DPROWLGRID_TESTS=OFF -DPROWLGRID_WEB_DATA="$native/game" \
  -DCMAKE_FIND_ROOT_PATH="$allegro/prefix" >/dev/null
cmake --build "$work/game" -j "$jobs" >/dev/null

step "$zip"
site=$work/site
rm -rf "$site"
mkdir -p "$site" "$root/dist"
cp packaging/web/index.html packaging/web/page.js packaging/web/page.css LICENSE "$site/"
cp "$work/game/vellmora.js" "$work/game/vellmora.wasm" "$work/game/vellmora.data" "$site/"
{
  printf 'Vellmora itself is under the MIT licence (LICENSE). Its WebAssembly holds\n'
  printf 'Allegro 4.4 and the runtime of emscripten, under these terms.\n\n== Allegro 4.4\n\n'
  cat "$allegro"/allegro-*/docs/txt/license.txt
  printf '\n== emscripten (its JavaScript runtime and the C and C++ libraries it links in)\n\n'
  cat /usr/share/doc/emscripten/copyright
} > "$site/THIRD-PARTY-NOTICES.txt"
rm -f "$zip"
(cd "$site" && zip -q -X -r "$zip" .)
ls -l "$zip"
