#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quick when all are present.
set -euo pipefail
packages=(
  cmake make g++ pkg-config
  liballegro4-dev          # the game library
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils   # the real binary under a virtual display
  libx11-dev               # the start-up tests read that display
  clang libclang-rt-14-dev # sanitizers and libFuzzer
  imagemagick              # screenshots for the README
  libpng-dev               # floortool render: the floors' pictures
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
