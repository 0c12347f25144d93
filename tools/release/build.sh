#!/usr/bin/env bash
# Builds the five release artefacts into dist/ from a clean tree:
#   the Debian package, the portable Linux tarball, the Windows zip, the
#   Windows installer, and LICENSE.
# Everything it builds stays under build-release/ (RELEASE_BUILD to change).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
here=$root/tools/release
work=$(mkdir -p "${RELEASE_BUILD:-build-release}" && cd "${RELEASE_BUILD:-build-release}" && pwd)
dist=$root/dist
version=$(cat packaging/VERSION)
jobs=$(nproc)
game_targets=(--target prowlgrid --target prowlgrid-windowed)

step() { printf '== %s\n' "$*"; }

# A pkg-config file naming the static library and what it needs, so the
# game's own CMake finds Allegro the same way in every build.
write_pc() { # DIR PREFIX LIBS CFLAGS
  mkdir -p "$1"
  cat > "$1/allegro.pc" <<PC
Name: allegro
Description: Allegro 4.4, static, built for the release
Version: 4.4.3
Libs: -L$2/lib -lalleg $3
Cflags: -I$2/include $4
PC
}

configure_game() { # BUILD_DIR PKG_CONFIG_DIR CMAKE_ARGS...
  local dir=$1 pc=$2
  shift 2
  PKG_CONFIG_LIBDIR=$pc cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
    -DPROWLGRID_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON "$@" >/dev/null
}

build_deb_binaries() {
  step "game for the Debian package (system Allegro)"
  # Debian's hardening flags, all of them.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS=$(dpkg-buildflags --get LDFLAGS) \
    cmake -S "$root" -B "$work/deb" -DCMAKE_BUILD_TYPE=Release -DPROWLGRID_TESTS=OFF \
      -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >/dev/null
  cmake --build "$work/deb" -j "$jobs" "${game_targets[@]}" >/dev/null
}

build_linux_binaries() {
  step "Allegro for Linux, static"
  "$here/allegro.sh" linux "$work/allegro-linux"
  local prefix=$work/allegro-linux/prefix
  write_pc "$work/linux-pc" "$prefix" \
    "-lSM -lICE -lX11 -lXext -lXcursor -lXpm -lXxf86vm -lasound -lm -lpthread -lrt -ldl" ""
  step "game for the Linux tarball"
  # The C++ runtime too: the tarball should run on older systems than this one.
  configure_game "$work/linux" "$work/linux-pc" \
    -DCMAKE_EXE_LINKER_FLAGS="-static-libstdc++ -static-libgcc"
  cmake --build "$work/linux" -j "$jobs" "${game_targets[@]}" >/dev/null
}

build_windows_binaries() {
  step "Allegro for Windows, static"
  "$here/allegro.sh" windows "$work/allegro-windows"
  local prefix=$work/allegro-windows/prefix
  write_pc "$work/windows-pc" "$prefix" \
    "-lkernel32 -luser32 -lgdi32 -lcomdlg32 -lole32 -ldinput -lddraw -ldxguid -lwinmm -ldsound" \
    "-DALLEGRO_STATICLINK"
  step "game for Windows"
  # One file per program: no runtime DLLs to ship beside them.
  configure_game "$work/windows" "$work/windows-pc" \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DCMAKE_FIND_ROOT_PATH="$prefix" \
    -DCMAKE_EXE_LINKER_FLAGS="-static"
  cmake --build "$work/windows" -j "$jobs" "${game_targets[@]}" >/dev/null
}

build_deb_binaries
build_linux_binaries
build_windows_binaries
rm -rf "$dist"
mkdir -p "$dist"
cp LICENSE "$dist/"
allegro_source=$work/allegro-linux/allegro-4.4.3.1
export VERSION=$version WORK=$work DIST=$dist ROOT=$root ALLEGRO_SOURCE=$allegro_source
"$here/package_deb.sh"
"$here/package_linux.sh"
"$here/package_windows.sh"
step "dist/"
ls -l "$dist"
