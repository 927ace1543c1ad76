#!/usr/bin/env bash
# Assembles the Windows package: DIST gets game.exe, sysconfig.exe, every
# DLL they load that Windows itself does not provide, the media the native
# build generated (NATIVE_HOME), the fonts that stand in for the Windows
# faces with their licences, and a first KV2.CFG; then DIST.zip beside it.
#
# usage: package-windows.sh NATIVE_HOME CROSS_BUILD PREFIX DIST
set -euo pipefail

NATIVE_HOME=$(cd "$1" && pwd) CROSS_BUILD=$(cd "$2" && pwd) PREFIX=$(cd "$3" && pwd)
DIST=$(mkdir -p "$(dirname "$4")" && cd "$(dirname "$4")" && pwd)/$(basename "$4")
HOST=x86_64-w64-mingw32
# Where the DLLs the programs may name are found, first match wins.
DLL_FOLDERS=("$PREFIX/bin" /usr/lib/gcc/$HOST/12-posix /usr/$HOST/lib)

rm -rf "$DIST"
mkdir -p "$DIST/fonts/licences"
cp "$CROSS_BUILD/home/game.exe" "$CROSS_BUILD/home/sysconfig.exe" "$DIST/"
# The debugging information stays in the build folder.
$HOST-strip "$DIST/game.exe" "$DIST/sysconfig.exe"

# Copies each DLL a module imports, and what those import, when we have
# it; the others (KERNEL32.dll, ...) come with Windows.
copy_imports() {
  local module=$1 dll folder
  for dll in $($HOST-objdump -p "$module" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$DIST/$dll" ] && continue
    for folder in "${DLL_FOLDERS[@]}"; do
      if [ -f "$folder/$dll" ]; then
        cp "$folder/$dll" "$DIST/"
        copy_imports "$DIST/$dll"
        break
      fi
    done
  done
}
copy_imports "$DIST/game.exe"
copy_imports "$DIST/sysconfig.exe"

# The generated skin, sounds, demo songs and first settings; not the
# native programs.
(cd "$NATIVE_HOME" && find . -mindepth 1 -maxdepth 1 ! -name game ! -name sysconfig -print0 |
  xargs -0 cp -r -t "$DIST/")

# Faces the game falls back on where the Windows ones are not installed.
for face in LiberationSans-Regular LiberationSerif-Regular LiberationMono-Regular; do
  cp "/usr/share/fonts/truetype/liberation2/$face.ttf" "$DIST/fonts/"
done
for face in LiberationSansNarrow-Regular LiberationSansNarrow-Bold; do
  cp "/usr/share/fonts/truetype/liberation/$face.ttf" "$DIST/fonts/"
done
cp /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc "$DIST/fonts/"
cp /usr/share/doc/fonts-liberation/copyright "$DIST/fonts/licences/Liberation.txt"
cp /usr/share/doc/fonts-liberation2/copyright "$DIST/fonts/licences/Liberation2.txt"
cp /usr/share/doc/fonts-noto-cjk/copyright "$DIST/fonts/licences/NotoSansCJK.txt"

# The libraries' own terms, from the Debian sources they were built from.
mkdir -p "$DIST/licences"
for copyright in "$(dirname "$PREFIX")"/src/*/debian/copyright; do
  library=$(basename "$(dirname "$(dirname "$copyright")")")
  [[ $library == googletest-* ]] && continue  # only the tests link it
  cp "$copyright" "$DIST/licences/$library.txt"
done

rm -f "$DIST.zip"
(cd "$(dirname "$DIST")" && zip -qr "$(basename "$DIST").zip" "$(basename "$DIST")")
echo "windows package: $DIST.zip ($(du -h "$DIST.zip" | cut -f1))"
