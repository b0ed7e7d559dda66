#!/usr/bin/env bash
# Cross-builds the Windows program's static dependencies from Debian's source
# packages into a prefix under the cache folder; sourced by scripts/windows.sh.
# The machine's apt configuration stays untouched: the source lists, state and
# archive cache used here are private to the cache folder.
set -euo pipefail

WIN_SOURCES=(zlib minizip libpng1.6 libjpeg-turbo curl)
TRIPLET=x86_64-w64-mingw32

# Writes the private apt configuration and refreshes its source index.
win_apt_init() {
  local apt=$1
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
  cat >"$apt/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
EOF
  WIN_APT=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
           -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
           -o APT::Sandbox::User=root -q)
  if ! ls "$apt/lists/"*Sources* >/dev/null 2>&1; then
    apt-get "${WIN_APT[@]}" update >/dev/null
  fi
}

# The source versions the index offers now; they key the cache.
win_source_versions() {
  local p
  for p in "${WIN_SOURCES[@]}"; do
    printf '%s=%s\n' "$p" "$(apt-cache "${WIN_APT[@]}" showsrc "$p" | sed -n 's/^Version: //p' | sort -V | tail -1)"
  done
}

# Fetches and unpacks one source package into $2 (patches applied).
win_fetch() {
  local pkg=$1 dir=$2
  mkdir -p "$dir"
  (cd "$dir" && apt-get "${WIN_APT[@]}" source "$pkg" >/dev/null 2>&1)
  find "$dir" -mindepth 1 -maxdepth 1 -type d | head -1
}

win_cmake() {
  local src=$1 build=$2
  shift 2
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" -DLUMORA_WIN_PREFIX="$WIN_PREFIX" \
    -DCMAKE_INSTALL_PREFIX="$WIN_PREFIX" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  cmake --build "$build" -j"$WIN_JOBS" >/dev/null
  cmake --install "$build" >/dev/null
}

# Debian's zlib tarball has no resource script for the DLL: the static
# library only, straight from the sources.
win_build_zlib() {
  local src
  src=$(win_fetch zlib "$WIN_WORK/zlib")
  local objs=() f
  for f in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
           inftrees trees uncompr zutil; do
    $TRIPLET-gcc-posix -O2 -c "$src/$f.c" -o "$WIN_WORK/zlib/$f.o"
    objs+=("$WIN_WORK/zlib/$f.o")
  done
  mkdir -p "$WIN_PREFIX/lib" "$WIN_PREFIX/include"
  $TRIPLET-ar rcs "$WIN_PREFIX/lib/libz.a" "${objs[@]}"
  cp "$src/zlib.h" "$src/zconf.h" "$WIN_PREFIX/include/"
  mkdir -p "$WIN_PREFIX/lib/pkgconfig"
  cat >"$WIN_PREFIX/lib/pkgconfig/zlib.pc" <<EOF
prefix=$WIN_PREFIX
Name: zlib
Description: zlib compression library
Version: 1.2.13
Libs: -L\${prefix}/lib -lz
Cflags: -I\${prefix}/include
EOF
}

# minizip: the unzip/zip sources with zlib's I/O API.
win_build_minizip() {
  local src objs=() f
  src=$(win_fetch minizip "$WIN_WORK/minizip")
  for f in ioapi unzip zip; do
    $TRIPLET-gcc-posix -O2 -I"$WIN_PREFIX/include" -c "$src/$f.c" -o "$WIN_WORK/minizip/$f.o"
    objs+=("$WIN_WORK/minizip/$f.o")
  done
  $TRIPLET-ar rcs "$WIN_PREFIX/lib/libminizip.a" "${objs[@]}"
  mkdir -p "$WIN_PREFIX/include/minizip" "$WIN_PREFIX/lib/pkgconfig"
  cp "$src/ioapi.h" "$src/unzip.h" "$src/zip.h" "$WIN_PREFIX/include/minizip/"
  cat >"$WIN_PREFIX/lib/pkgconfig/minizip.pc" <<EOF
prefix=$WIN_PREFIX
Name: minizip
Description: zip archives over zlib
Version: 1.1
Libs: -L\${prefix}/lib -lminizip -lz
Cflags: -I\${prefix}/include/minizip
EOF
}

win_build_libpng() {
  local src
  src=$(win_fetch libpng1.6 "$WIN_WORK/png")
  win_cmake "$src" "$WIN_WORK/png/build" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DZLIB_ROOT="$WIN_PREFIX"
}

win_build_libjpeg() {
  local src
  src=$(win_fetch libjpeg-turbo "$WIN_WORK/jpeg")
  win_cmake "$src" "$WIN_WORK/jpeg/build" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm
}

# libcurl: HTTP and HTTPS over Schannel, nothing else. The configure checks'
# answers for this toolchain are kept in cmake/win-curl-checks.cmake, which
# spares the slow try-compiles.
win_build_curl() {
  local src
  src=$(win_fetch curl "$WIN_WORK/curl")
  win_cmake "$src" "$WIN_WORK/curl/build" -C "$WIN_ROOT/cmake/win-curl-checks.cmake" \
    -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF -DBUILD_LIBCURL_DOCS=OFF \
    -DHTTP_ONLY=ON -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_ZLIB=OFF \
    -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF -DCURL_BROTLI=OFF \
    -DCURL_ZSTD=OFF -DENABLE_UNIX_SOCKETS=OFF -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON
}

# GoogleTest from Debian's own source folder.
win_build_gtest() {
  win_cmake /usr/src/googletest "$WIN_WORK/gtest" -Dgtest_disable_pthreads=OFF \
    -DINSTALL_GTEST=ON
}

# The one image decoder header the UI builds privately.
win_copy_stb() {
  mkdir -p "$WIN_PREFIX/include/stb"
  cp /usr/include/stb/stb_image.h /usr/include/stb/stb_image_write.h "$WIN_PREFIX/include/stb/"
}

# Builds every dependency unless the prefix for this key is complete.
# Needs WIN_ROOT (repository), WIN_CACHE (cache folder) and WIN_TOOLCHAIN.
win_deps() {
  win_apt_init "$WIN_CACHE/apt"
  local key  # from contents only, so every checkout shares the cache
  key=$( (win_source_versions; dpkg-query -W -f='${Version}\n' g++-mingw-w64-x86-64-posix googletest libstb-dev
          cat "$WIN_ROOT/scripts/windows-deps.sh" "$WIN_TOOLCHAIN" "$WIN_ROOT/cmake/win-curl-checks.cmake") |
        sha256sum | cut -c1-16)
  WIN_PREFIX="$WIN_CACHE/prefix-$key"
  if [ -f "$WIN_PREFIX/.complete" ]; then
    return 0
  fi
  echo "windows: building the dependencies into $WIN_PREFIX"
  rm -rf "$WIN_PREFIX" "$WIN_CACHE/work"
  WIN_WORK="$WIN_CACHE/work"
  mkdir -p "$WIN_WORK" "$WIN_PREFIX"
  local step
  for step in zlib minizip libpng libjpeg curl gtest; do
    echo "windows:   $step"
    "win_build_$step"
  done
  win_copy_stb
  rm -rf "$WIN_WORK"
  touch "$WIN_PREFIX/.complete"
}
