#!/usr/bin/env bash
# Installs what `make web` and `make test-web` need on top of tools/deps.sh:
# emscripten, Chromium for the tests and, under build-web/, puppeteer-core
# to drive it. Quick when all is present.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/tools/deps.sh"
# Allegro's source tarball comes from the archive's source lines.
"$root/tools/release/source_lines.sh"

packages=(
  emscripten   # the compiler, its libraries and Debian's acorn for its optimizer
  chromium     # the browser the tests play in
  zip
)
# The machine's own node may come with npm; Debian's npm only where none is.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The versions of tests/web/package-lock.json; nothing is downloaded past the packages.
modules=$(cd "$root" && mkdir -p "${WEB_BUILD:-build-web}" && cd "${WEB_BUILD:-build-web}" && pwd)/node
if ! cmp -s "$root/tests/web/package-lock.json" "$modules/package-lock.json" 2>/dev/null ||
  [ ! -d "$modules/node_modules/puppeteer-core" ]; then
  rm -rf "$modules"
  mkdir -p "$modules"
  cp "$root/tests/web/package.json" "$root/tests/web/package-lock.json" "$modules/"
  (cd "$modules" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent)
fi
