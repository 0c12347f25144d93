#!/usr/bin/env bash
# Installs what `make release` and `make test-release` need on top of
# tools/deps.sh, and the archive's source line for Allegro's source tarball.
# Quick when all is present.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/../deps.sh"

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix  # the Windows cross build
  libasound2-dev libxext-dev libxpm-dev libxcursor-dev   # Allegro's static Linux build
  libxxf86vm-dev libxt-dev libsm-dev libice-dev
  dpkg-dev fakeroot lintian appstream desktop-file-utils  # the Debian package
  zip nsis unzip                                          # the Windows packages
  wine wine64                                             # their smoke tests
)
source_list=/etc/apt/sources.list.d/vellmora-deb-src.sources

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Is some source line for the main archive present already (ours or the machine's)?
has_source_line() {
  local targets
  targets=$(apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null)
  grep -qx Sources <<<"$targets"
}
[ ${#missing[@]} -eq 0 ] && has_source_line && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# Source lines for the archives the machine already uses, so no archive is
# named here.
source_lines() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && [ "$f" != "$source_list" ] || continue
    sed 's/^Types:[[:space:]]*deb$/Types: deb-src/' "$f"
    echo
  done
}
if ! has_source_line; then
  echo "adding $source_list for Allegro's source tarball"
  lines=$(source_lines)
  [ -n "$lines" ] && printf '%s\n' "$lines" | $sudo tee "$source_list" >/dev/null
  if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      $sudo tee "${source_list%.sources}.list" >/dev/null
  fi
fi
$sudo apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
