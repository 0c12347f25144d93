#!/bin/sh
# Starts Vellmora from the folder this launcher really lives in, wherever it
# is called from and through however many symbolic links.
here=$(dirname "$(readlink -f "$0")")
cd "$here/game" || exit 1
exec "$here/bin/@BINARY@" "$@"
