#!/usr/bin/env bash
# Writes the third-party notices a package needs to standard output:
#   tools/release/notices.sh linux|windows ALLEGRO_SOURCE_DIR
# Both link the GCC runtime statically. The texts come from Allegro's source and the installed toolchain's copyright
# files, so they always match what was linked in.
set -euo pipefail
target=$1
allegro=$2
gcc_copyright=/usr/share/doc/gcc-mingw-w64-base/copyright
mingw_copyright=/usr/share/doc/mingw-w64-common/copyright

# A licence's indented text, with Debian's " ." blank lines made blank again.
# Only a stanza of its own counts: "License: x" also ends each Files stanza.
licence_text() {
  awk -v head="License: $1" 'prev == "" && $0 == head {on=1; next}
    on && !/^ / {exit} on {print} {prev = $0}' "$mingw_copyright" |
    sed -e 's/^ //' -e 's/^\.$//'
}

cat <<'TEXT'
Vellmora itself is under the MIT licence (LICENSE). It is built with the
following third-party software, under these terms.

========================================================================
Allegro 4.4 (linked into the game binaries)
========================================================================
TEXT
cat "$allegro/docs/txt/license.txt"

cat <<'TEXT'

========================================================================
GCC runtime libraries (libgcc, libstdc++; linked into the game binaries)
========================================================================
These parts of GCC are under the GNU General Public License, version 3,
with the GCC Runtime Library Exception, which permits this use:

TEXT
awk '/^GCC RUNTIME LIBRARY EXCEPTION$/ {on=1} on {print} on && /requirements of the license of GCC\.$/ {exit}' \
  "$gcc_copyright"
[ "$target" = windows ] || exit 0

cat <<'TEXT'

========================================================================
winpthreads (the POSIX threads of mingw-w64; linked into the game binaries)
========================================================================
Copyright (c) 2011-2016 mingw-w64 project

TEXT
licence_text expat
printf '\npthread.h and pthread_compat.h: Copyright (c) 2010 Lockless Inc.\n\n'
awk '/^License: BSD-3-clause-Lockless$/ {on=1; next} on && !/^ / {exit} on' "$mingw_copyright" |
  sed -e 's/^ //' -e 's/^\.$//'
