#!/usr/bin/env bash
# Lays out and builds vellmora_VERSION_amd64.deb from the Debian build in
# $WORK/deb, then checks it with desktop-file-validate, appstreamcli and lintian.
set -euo pipefail
: "${VERSION:?}" "${WORK:?}" "${DIST:?}" "${ROOT:?}"
pkg=$WORK/deb-root
build=$WORK/deb
linux=$ROOT/packaging/linux
debian=$ROOT/packaging/debian
echo "== vellmora_${VERSION}_amd64.deb"
rm -rf "$pkg"
install -d "$pkg/DEBIAN" "$pkg/usr/games" "$pkg/usr/lib/games/vellmora" \
  "$pkg/usr/share/games" "$pkg/usr/share/applications" "$pkg/usr/share/metainfo" \
  "$pkg/usr/share/icons/hicolor/64x64/apps" "$pkg/usr/share/man/man6" "$pkg/usr/share/doc/vellmora"

for exe in prowlgrid prowlgrid-windowed; do
  install -m 755 "$build/$exe" "$pkg/usr/lib/games/vellmora/$exe"
  strip --remove-section=.comment --remove-section=.note --strip-unneeded \
    "$pkg/usr/lib/games/vellmora/$exe"
done
cp -r "$build/game" "$pkg/usr/share/games/vellmora"
find "$pkg/usr/share/games/vellmora" -type d -exec chmod 755 {} + -o -type f -exec chmod 644 {} +

# The game reads its data relative to the working directory.
wrapper() { # NAME BINARY
  sed -e "s|@DATA@|/usr/share/games/vellmora|" -e "s|@BINARY@|/usr/lib/games/vellmora/$2|" \
    "$linux/launcher.sh" > "$pkg/usr/games/$1"
  chmod 755 "$pkg/usr/games/$1"
}
wrapper vellmora prowlgrid-windowed
wrapper vellmora-fullscreen prowlgrid

install -m 644 "$linux/vellmora.desktop" "$pkg/usr/share/applications/vellmora.desktop"
sed "s/@VERSION@/$VERSION/" "$linux/vellmora.metainfo.xml" > "$pkg/usr/share/metainfo/org.vellmora.vellmora.metainfo.xml"
"$ROOT/tools/release/icon.sh" "$build/game" "$pkg/usr/share/icons/hicolor/64x64/apps/vellmora.png"
sed "s/@VERSION@/$VERSION/" "$linux/vellmora.6" | gzip -9n > "$pkg/usr/share/man/man6/vellmora.6.gz"
ln -s vellmora.6.gz "$pkg/usr/share/man/man6/vellmora-fullscreen.6.gz"

doc=$pkg/usr/share/doc/vellmora
install -m 644 "$debian/copyright" "$doc/copyright"
install -D -m 644 "$debian/lintian-overrides" "$pkg/usr/share/lintian/overrides/vellmora"
sed "s/@VERSION@/$VERSION/" "$debian/changelog.in" | gzip -9n > "$doc/changelog.gz"
chmod 644 "$doc/changelog.gz"

depends=$(cd "$WORK" && mkdir -p shlibs/debian && cd shlibs &&
  touch debian/control && echo "Source: vellmora" > debian/control &&
  dpkg-shlibdeps -O "$pkg"/usr/lib/games/vellmora/* 2>/dev/null | sed 's/^shlibs:Depends=//')
size=$(du -sk --exclude=DEBIAN "$pkg" | cut -f1)
sed -e "s/@VERSION@/$VERSION/" -e "s/@SIZE@/$size/" -e "s/@DEPENDS@/$depends/" \
  "$debian/control.in" > "$pkg/DEBIAN/control"
(cd "$pkg" && find usr -type f -exec md5sum {} + | sort -k2) > "$pkg/DEBIAN/md5sums"
chmod 644 "$pkg/DEBIAN/control" "$pkg/DEBIAN/md5sums"

deb=$DIST/vellmora_${VERSION}_amd64.deb
dpkg-deb --root-owner-group -Zxz -b "$pkg" "$deb" >/dev/null

desktop-file-validate "$pkg/usr/share/applications/vellmora.desktop"
appstreamcli validate --no-net --pedantic "$pkg/usr/share/metainfo/org.vellmora.vellmora.metainfo.xml"
# Any warning or error fails the release; the README lists the tags left.
lintian --fail-on warning,error "$deb" 2>/dev/null
