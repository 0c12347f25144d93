#!/usr/bin/env bash
# Builds Allegro 4.4 as a static library from Debian's source tarball, with our
# patches, for one target: linux (the portable tarball), windows (mingw-w64)
# or web (emscripten: the software core, with no drivers at all).
# Only the library itself: no add-ons, examples, tools, tests or docs.
#
#   tools/release/allegro.sh linux|windows|web OUT_DIR
#
# OUT_DIR/prefix gets the headers and liballeg.a; the download and the build
# stay under OUT_DIR too, nothing is cached elsewhere.
set -euo pipefail
target=$1
out=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
package=allegro4.4
upstream=4.4.3.1
tarball=${package}_${upstream}.orig.tar.gz

fetch_source() {
  local dl=$out/download
  mkdir -p "$dl"
  if [ ! -f "$dl/$tarball" ]; then
    # The full `apt-get source` fails: one of the package's files is not
    # served. The tarball and the .dsc alone are.
    (cd "$dl" && apt-get -qq source --tar-only --download-only "$package" >/dev/null &&
      apt-get -qq source --dsc-only --download-only "$package" >/dev/null)
  fi
  local dsc
  dsc=$(ls "$dl"/${package}_*.dsc | head -n 1)
  local want
  want=$(awk -v f="$tarball" '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0}
    on && $3 == f {print $1}' "$dsc")
  local got
  got=$(sha256sum "$dl/$tarball" | cut -d' ' -f1)
  if [ -z "$want" ] || [ "$want" != "$got" ]; then
    echo "allegro.sh: $tarball does not match $dsc (want '$want', got $got)" >&2
    rm -f "$dl/$tarball"
    exit 1
  fi
}

unpack_source() {
  src=$out/allegro-$upstream
  [ -f "$src/.patched" ] && return
  rm -rf "$src"
  tar xzf "$out/download/$tarball" -C "$out"
  for p in "$here"/patches/*.patch; do
    patch -s -p1 -d "$src" < "$p"
  done
  touch "$src/.patched"
}

configure() {
  local flags=(-DSHARED=OFF -DWANT_ALLEGROGL=OFF -DWANT_LOADPNG=OFF -DWANT_LOGG=OFF
    -DWANT_JPGALLEG=OFF -DWANT_EXAMPLES=OFF -DWANT_TOOLS=OFF -DWANT_TESTS=OFF
    -DWANT_DOCS=OFF -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out/prefix"
    -DCMAKE_C_FLAGS=-w) # the library's own warnings are not ours to fix
  case $target in
    linux)
      # Drivers built in: a static library cannot load its modules.
      flags+=(-DWANT_MODULES=OFF -DWANT_JACK=OFF -DWANT_SGIAUDIO=OFF -DWANT_LINUX_CONSOLE=OFF
        -DCMAKE_POSITION_INDEPENDENT_CODE=ON) ;;
    windows)
      flags+=(-DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake") ;;
    web)
      # The browser has none of these; librt is part of its libc.
      flags+=(-DWANT_MODULES=OFF -DWANT_X11=OFF -DWANT_OSS=OFF -DWANT_ALSA=OFF -DWANT_JACK=OFF
        -DWANT_SGIAUDIO=OFF -DRT_LIBRARY=c
        -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake") ;;
    *) echo "allegro.sh: target is linux, windows or web" >&2; exit 2 ;;
  esac
  cmake -Wno-dev -S "$src" -B "$out/build" "${flags[@]}" >/dev/null
}

# Built already, from these very patches and this script?
stamp=$(cat "$0" "$here"/patches/*.patch | sha256sum | cut -d' ' -f1)
[ -f "$out/prefix/lib/liballeg.a" ] && [ "$(cat "$out/stamp" 2>/dev/null)" = "$stamp" ] && exit 0
rm -rf "$out/prefix" "$out/build" "$out/allegro-$upstream"
fetch_source
unpack_source
configure
cmake --build "$out/build" -j "$(nproc)" --target install >/dev/null
echo "$stamp" > "$out/stamp"
