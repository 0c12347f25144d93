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
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
"$here/source_lines.sh"
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
