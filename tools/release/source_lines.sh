#!/usr/bin/env bash
# Lets apt-get fetch source packages (Allegro's tarball): adds source lines for
# the archives the machine already uses, so no archive is named here, and
# reads the lists anew. Quick when some source line for the archive is there.
set -euo pipefail
source_list=/etc/apt/sources.list.d/vellmora-deb-src.sources

# Is some source line for the main archive present already (ours or the machine's)?
has_source_line() {
  local targets
  targets=$(apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null)
  grep -qx Sources <<<"$targets"
}
has_source_line && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
source_lines() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] && [ "$f" != "$source_list" ] || continue
    sed 's/^Types:[[:space:]]*deb$/Types: deb-src/' "$f"
    echo
  done
}
echo "adding $source_list for Allegro's source tarball"
lines=$(source_lines)
[ -n "$lines" ] && printf '%s\n' "$lines" | $sudo tee "$source_list" >/dev/null
if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
  grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
    $sudo tee "${source_list%.sources}.list" >/dev/null
fi
$sudo apt-get update -qq
