#!/usr/bin/env bash
# Cross-builds the libraries the Windows package needs from Debian source
# packages of pinned versions, into CACHE/prefix (default build-win64/deps).
# Each library is built once: a stamp per name and version marks it done,
# so a second run only checks the stamps.
#
# The machine reaches only the Debian archive, so sources come from
# `apt-get source`; this adds a deb-src entry beside the deb one when it
# is missing (as root).
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
CACHE=$(mkdir -p "${1:-build-win64/deps}" && cd "${1:-build-win64/deps}" && pwd)
PREFIX=$CACHE/prefix
HOST=x86_64-w64-mingw32
JOBS=${JOBS:-2}
export KV_WIN_PREFIX=$PREFIX
export PKG_CONFIG_LIBDIR=$PREFIX/lib/pkgconfig
export PKG_CONFIG_PATH=
export CC=$HOST-gcc-posix CXX=$HOST-g++-posix

# name=Debian source version; the order is the build order.
PINNED=(
  libogg=1.3.5-3
  libvorbis=1.3.7-1
  flac=1.4.2+ds-2
  opus=1.3.1-3
  mpg123=1.31.2-1+deb12u1
  lame=3.100-6
  libsndfile=1.2.0-1+deb12u1
  libsoxr=0.1.3-4
  freetype=2.12.1+dfsg-5+deb12u4
  libsdl2=2.26.5+dfsg-1
  libsdl2-image=2.6.3+dfsg-1
  googletest=1.12.1-0.2
)

log() { echo "windows deps: $*" >&2; }

ensure_tools() {
  local missing=()
  for p in g++-mingw-w64-x86-64 mingw-w64-tools wine64 dpkg-dev pkg-config cmake ninja-build zip; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  if [ "$(id -u)" -ne 0 ]; then
    log "missing packages; install them with: sudo apt-get install -y --no-install-recommends ${missing[*]}"
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

ensure_deb_src() {
  local sources=/etc/apt/sources.list.d/debian.sources
  if apt-cache showsrc libogg 2>/dev/null | grep -q '^Version:'; then return; fi
  if [ "$(id -u)" -ne 0 ]; then
    log "apt knows no source packages; add 'deb-src' to the Types line of $sources (as root) and run apt-get update"
    exit 1
  fi
  log "adding deb-src beside deb in $sources"
  sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"
  apt-get update -qq
}

# Unpacks NAME=VERSION into $CACHE/src and prints the source folder.
fetch() {
  local name=${1%%=*} version=${1#*=}
  local upstream=${version#*:}
  upstream=${upstream%-*}
  local folder=$CACHE/src/$name-$upstream
  if [ ! -d "$folder" ]; then
    mkdir -p "$CACHE/src/download"
    (cd "$CACHE/src/download" && apt-get source -qq --download-only "$name=$version" >/dev/null 2>&1) || true
    local dsc
    dsc=$(ls "$CACHE/src/download/${name}_${version#*:}.dsc")
    # Some upstream signatures (.asc) are missing from the archive; then
    # unpack the tarballs by hand and apply Debian's patch series.
    if ! (cd "$CACHE/src/download" && dpkg-source -q -x "$dsc" "$folder" >/dev/null 2>&1); then
      rm -rf "$folder"
      mkdir -p "$folder"
      tar -xf "$(ls "$CACHE/src/download/${name}_${upstream}".orig.tar.* | grep -v '\.asc$')" -C "$folder" --strip-components=1
      tar -xf "$CACHE/src/download/${name}_${version#*:}".debian.tar.* -C "$folder"
      if [ -f "$folder/debian/patches/series" ]; then
        grep -v '^#' "$folder/debian/patches/series" | while read -r patch _; do
          [ -n "$patch" ] && patch -d "$folder" -p1 -s < "$folder/debian/patches/$patch"
        done
      fi
    fi
  fi
  echo "$folder"
}

cmake_build() {
  local source=$1 name=$2
  shift 2
  cmake -S "$source" -B "$CACHE/build/$name" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$HERE/mingw-w64.cmake" -DKV_WIN_PREFIX="$PREFIX" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PREFIX" -DBUILD_SHARED_LIBS=ON "$@" &&
    cmake --build "$CACHE/build/$name" -j"$JOBS" &&
    cmake --install "$CACHE/build/$name"
}

autotools_build() {
  local source=$1 name=$2
  shift 2
  mkdir -p "$CACHE/build/$name"
  (cd "$CACHE/build/$name" &&
    "$source/configure" --host=$HOST --prefix="$PREFIX" --enable-shared --disable-static "$@" &&
    make -j"$JOBS" && make install)
}

build_one() {
  local name=$1 source=$2
  case $name in
    # Its CMake build names the DLL libogg.dll but links users against ogg.dll.
    libogg) autotools_build "$source" "$name" ;;
    # Its CMake build links a .def file with CR LF lines, which MinGW's ld rejects.
    libvorbis) autotools_build "$source" "$name" --disable-docs --disable-examples --disable-oggtest ;;
    flac) cmake_build "$source" "$name" -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF \
            -DBUILD_DOCS=OFF -DINSTALL_MANPAGES=OFF -DBUILD_CXXLIBS=OFF -DWITH_STACK_PROTECTOR=OFF ;;
    # Its release tarball lacks a file its CMake build includes.
    # Its configure fortifies memset unless told otherwise; MinGW's checked
    # memset would need libssp.
    opus) autotools_build "$source" "$name" --disable-doc --disable-extra-programs CFLAGS="-O2 -D_FORTIFY_SOURCE=0" ;;
    mpg123) autotools_build "$source" "$name" --disable-components --enable-libmpg123 --with-cpu=x86-64 ;;
    # Its export list names a function that lame.h compiles as static.
    lame) sed -i '/^lame_init_old$/d' "$source/include/libmp3lame.sym" &&
            autotools_build "$source" "$name" --disable-frontend --disable-gtktest ;;
    libsndfile) cmake_build "$source" "$name" -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF \
                  -DENABLE_EXTERNAL_LIBS=ON -DENABLE_MPEG=ON -DINSTALL_MANPAGES=OFF -DENABLE_CPACK=OFF ;;
    # Its build writes a pkg-config file only on Unix; the game finds soxr by one.
    libsoxr) cmake_build "$source" "$name" -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF -DWITH_OPENMP=OFF \
               -DWITH_LSR_BINDINGS=OFF &&
               printf '%s\n' "prefix=$PREFIX" 'Name: soxr' 'Description: resampler' 'Version: 0.1.3' \
                 'Libs: -L${prefix}/lib -lsoxr' 'Cflags: -I${prefix}/include' >"$PREFIX/lib/pkgconfig/soxr.pc" ;;
    freetype) cmake_build "$source" "$name" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
                -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON ;;
    libsdl2) cmake_build "$source" "$name" -DSDL_TEST=OFF -DSDL_STATIC=OFF ;;
    # "Vendored" with stb_image for PNG and JPEG: it needs no external image
    # libraries, and its CMake package then asks for none.
    libsdl2-image) cmake_build "$source" "$name" -DSDL2IMAGE_VENDORED=ON -DSDL2IMAGE_SAMPLES=OFF \
                     -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_BACKEND_WIC=OFF -DSDL2IMAGE_SVG=OFF ;;
    # The test suites link GoogleTest statically, as on Linux.
    googletest) cmake_build "$source" "$name" -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF ;;
    *) log "no recipe for $name"; return 1 ;;
  esac
}

ensure_tools
ensure_deb_src
mkdir -p "$CACHE/stamps" "$PREFIX"
failed=()
for pin in "${PINNED[@]}"; do
  name=${pin%%=*}
  stamp=$CACHE/stamps/${pin//[:\/]/_}
  [ -f "$stamp" ] && continue
  log "building $pin"
  mkdir -p "$CACHE/logs"
  rm -rf "${CACHE:?}/build/$name"  # nothing left over from a failed attempt
  if source=$(fetch "$pin") && build_one "$name" "$source" >"$CACHE/logs/$name.log" 2>&1; then
    touch "$stamp"
  else
    failed+=("$name")
    tail -n 20 "$CACHE/logs/$name.log" >&2 || true
    log "$pin did not build (log: $CACHE/logs/$name.log)"
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  log "not built: ${failed[*]}"
  exit 1
fi
