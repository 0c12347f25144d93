#!/usr/bin/env bash
# The Windows zip and the NSIS installer, from the cross build in
# $WORK/windows and the run directory of the Debian build.
set -euo pipefail
: "${VERSION:?}" "${WORK:?}" "${DIST:?}" "${ROOT:?}" "${ALLEGRO_SOURCE:?}"
name=vellmora-$VERSION-windows-x86_64
echo "== $name.zip, $name-setup.exe"
stage=$WORK/stage-windows
top=$stage/$name
rm -rf "$stage"
mkdir -p "$top"
strip=x86_64-w64-mingw32-strip
install -m 755 "$WORK/windows/prowlgrid-windowed.exe" "$top/vellmora.exe"
install -m 755 "$WORK/windows/prowlgrid.exe" "$top/vellmora-fullscreen.exe"
$strip "$top"/*.exe
# GUI programs, with no DLL beyond what Windows itself has.
for exe in "$top"/*.exe; do
  headers=$(objdump -p "$exe")
  grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" ||
    { echo "package_windows.sh: $exe is no GUI program" >&2; exit 1; }
  # Its manifest declares it DPI-aware, so Windows does not blur the window.
  grep -qa '<dpiAware' "$exe" ||
    { echo "package_windows.sh: $exe carries no DPI-aware manifest" >&2; exit 1; }
  if grep -Ei 'DLL Name: *(libstdc|libgcc|libwinpthread|alleg)' <<<"$headers"; then
    echo "package_windows.sh: $exe needs a runtime DLL" >&2
    exit 1
  fi
done
cp -r "$WORK/deb/game/." "$top/"
crlf() { sed 's/$/\r/'; }
crlf < "$ROOT/LICENSE" > "$top/LICENSE.txt"
sed "s/@VERSION@/$VERSION/" "$ROOT/packaging/windows/README.txt" | crlf > "$top/README.txt"
"$ROOT/tools/release/notices.sh" windows "$ALLEGRO_SOURCE" | crlf > "$top/THIRD-PARTY-NOTICES.txt"

rm -f "$DIST/$name.zip"
(cd "$stage" && TZ=UTC zip -qrX "$DIST/$name.zip" "$name")

# The installer's file lists, made from the folder so that nothing is forgotten.
files=$stage/files.nsh
removals=$stage/removals.nsh
: > "$files"
: > "$removals"
(cd "$top" && find . -mindepth 1 -type d | sort) | while read -r dir; do
  printf 'CreateDirectory "$INSTDIR\\%s"\n' "$(echo "${dir#./}" | tr / '\\')" >> "$files"
done
(cd "$top" && find . -type f | sort) | while read -r file; do
  win=$(echo "${file#./}" | tr / '\\')
  dir=$(dirname "${file#./}" | tr / '\\')
  [ "$dir" = . ] && dir="" || dir="\\$dir"
  printf 'SetOutPath "$INSTDIR%s"\nFile "%s/%s"\n' "$dir" "$top" "${file#./}" >> "$files"
  printf 'Delete "$INSTDIR\\%s"\n' "$win" >> "$removals"
done
# Deepest folders first.
(cd "$top" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
  printf 'RMDir "$INSTDIR\\%s"\n' "$(echo "${dir#./}" | tr / '\\')" >> "$removals"
done
makensis -V2 -DVERSION="$VERSION" -DSTAGE="$top" -DFILES="$files" -DREMOVALS="$removals" \
  -DOUTFILE="$DIST/$name-setup.exe" "$ROOT/packaging/windows/installer.nsi"
