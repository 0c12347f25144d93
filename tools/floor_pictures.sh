#!/usr/bin/env bash
# Draws each floor of the campaign as the game shows it when that floor is the
# first one loaded (as `make try` starts it), for the README.
#
#   tools/floor_pictures.sh [BUILD_DIR] [OUT_DIR]
#
# Needs the built run directory and floortool (make build).
set -euo pipefail

build=${1:-build}
out=${2:-docs/floors}
mkdir -p "$out"
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT

grep -v '^[[:space:]]*\(#\|$\)' assets/floors/campaign.txt | awk '{print $1}' | while read -r file; do
  floor=${file%.floor}
  rm -rf "$run/game"
  cp -r "$build/game" "$run/game"
  rm -rf "$run/game/Data/Missions"
  "$build/tools/floortool" build --mod --from "$floor" assets/floors/campaign.txt assets/init.txt "$run/game"
  "$build/tools/floortool" render "$run/game" "$out/$floor.png"
  echo "$out/$floor.png"
done
