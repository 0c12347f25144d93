#!/usr/bin/env bash
# vellmora-VERSION-linux-x86_64.tar.gz from the static build in $WORK/linux
# and the run directory of the Debian build.
set -euo pipefail
: "${VERSION:?}" "${WORK:?}" "${DIST:?}" "${ROOT:?}" "${ALLEGRO_SOURCE:?}"
name=vellmora-$VERSION-linux-x86_64
echo "== $name.tar.gz"
stage=$WORK/stage-linux
top=$stage/$name
rm -rf "$stage"
install -d "$top/bin"
for exe in prowlgrid prowlgrid-windowed; do
  install -m 755 -s "$WORK/linux/$exe" "$top/bin/$exe"
done
# Only the system's own libraries may remain dynamic.
libraries=$(ldd "$top/bin/prowlgrid")
if grep -Eq 'liballeg|libstdc\+\+' <<<"$libraries"; then
  echo "package_linux.sh: Allegro or the C++ runtime is not linked statically" >&2
  exit 1
fi
cp -r "$WORK/deb/game" "$top/game"
launcher() { # NAME BINARY
  sed -e "s|@DATA@|\$here/game|" -e "s|@BINARY@|\$here/bin/$2|" \
    "$ROOT/packaging/linux/launcher.sh" > "$top/$1"
  chmod 755 "$top/$1"
}
launcher vellmora prowlgrid-windowed
launcher vellmora-fullscreen prowlgrid
cp "$ROOT/LICENSE" "$top/LICENSE"
sed "s/@VERSION@/$VERSION/" "$ROOT/packaging/linux/README.txt" > "$top/README.txt"
"$ROOT/tools/release/notices.sh" linux "$ALLEGRO_SOURCE" > "$top/THIRD-PARTY-NOTICES.txt"
tar --owner=0 --group=0 --sort=name -C "$stage" -czf "$DIST/$name.tar.gz" "$name"
