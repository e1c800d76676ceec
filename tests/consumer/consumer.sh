#!/bin/sh
# A user's C program (and a C++ one) built against the installed library, through pkg-config and through
# CMake's find_package, from two installations:
#   consumer.sh BUILD SOURCE CMAKE            cmake --install into a fresh prefix
#   consumer.sh BUILD SOURCE CMAKE CPACK      the .deb and .tar.gz packages: their contents,
#                                             then the .deb unpacked into a fresh root
set -eu
build=$1
source=$2
cmake_cmd=${3:-cmake}
cpack_cmd=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(sed -n 's/^#define QVX_VERSION_STRING "\(.*\)"$/\1/p' "$source/include/qvx_vector.h")
# The flavours' levels, best first, as the build lists them.
levels=$(cat "$build/qvx_levels.txt")

if [ -z "$cpack_cmd" ]; then
  "$cmake_cmd" --install "$build" --prefix "$work/prefix" >/dev/null
  prefix=$work/prefix
else
  "$cpack_cmd" --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null
  deb=$(ls "$work"/pkg/*.deb)
  tgz=$(ls "$work"/pkg/*.tar.gz)
  test "$(dpkg-deb -f "$deb" Version)" = "$version"
  # Both packages hold the same files, and those are the library, its flavours, the
  # header, the CMake package, the pkg-config file, the licence and the reference pages.
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort > "$work/deb.list"
  tar tzf "$tgz" | grep -v '/$' | sed 's|^[^/]*/||' | sort > "$work/tgz.list"
  diff "$work/deb.list" "$work/tgz.list"
  for f in lib/libqvx_vector.so include/qvx_vector.h include/qvx/vector.hpp include/qvx/vector_rows.inc \
           lib/pkgconfig/qvx_vector.pc \
           lib/cmake/qvx_vector/qvx_vectorConfig.cmake lib/cmake/qvx_vector/qvx_vectorConfigVersion.cmake \
           lib/cmake/qvx_vector/qvx_vectorTargets.cmake share/doc/qvx-vector/LICENSE \
           share/doc/qvx-vector/copyright share/doc/qvx-vector/changelog.gz \
           share/doc/qvx-vector/html/index.html \
           share/doc/qvx-vector/html/names.html; do
    grep -qx "$f" "$work/deb.list" || { echo "the package lacks $f" >&2; exit 1; }
  done
  for level in $levels; do
    if [ -f "$build/flavours/$level/libqvx_vector.so" ]; then
      grep -qx "lib/glibc-hwcaps/$level/libqvx_vector.so" "$work/deb.list" || { echo "the package lacks the $level flavour" >&2; exit 1; }
    fi
  done
  dpkg-deb -x "$deb" "$work/root"
  prefix=$work/root/usr
  # Depends names the newest C library symbol version that any of the libraries needs; the
  # libraries are stripped but keep their build-id.
  libs=$(find "$prefix" -name libqvx_vector.so)
  need=$(for f in $libs; do objdump -T "$f"; done | grep -o 'GLIBC_[0-9.]*' | sed 's/GLIBC_//' | sort -V | tail -n 1)
  depends=$(dpkg-deb -f "$deb" Depends)
  test "$depends" = "libc6 (>= $need)" || { echo "Depends is '$depends', the libraries need GLIBC_$need" >&2; exit 1; }
  for f in $libs; do
    if readelf -S "$f" | grep -q '\.symtab'; then echo "$f is not stripped" >&2; exit 1; fi
    readelf -n "$f" | grep -q 'Build ID' || { echo "$f has no build-id" >&2; exit 1; }
  done
  # Debian's package checker, where it is installed: no errors.
  if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" >&2 || { echo "lintian reports errors" >&2; exit 1; }
  else
    echo "lintian is not installed: the .deb is not checked by it (apt-get install lintian)"
  fi
fi

libdir=$(dirname "$(dirname "$(find "$prefix" -name 'qvx_vector.pc' | head -n 1)")")
test -f "$libdir/libqvx_vector.so"
# The licence and the reference pages, under the one spelling of the package's name.
test -f "$prefix/share/doc/qvx-vector/LICENSE"
test -f "$prefix/share/doc/qvx-vector/html/index.html"
test -f "$prefix/share/doc/qvx-vector/html/names.html"

# pkg-config; the header's version macros match the package's version.
PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --exists qvx_vector
test "$(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --modversion qvx_vector)" = "$version"
cc -std=c99 -Wall -Wextra -pedantic -Werror -DQVX_EXPECT_VERSION="\"$version\"" -o "$work/with_pkgconfig" \
  "$source/tests/consumer/consumer.c" \
  $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs qvx_vector) -Wl,-rpath,"$libdir"
"$work/with_pkgconfig"
# The C++ interface, from the same include directory and library.
c++ -std=c++17 -Wall -Wextra -pedantic -Werror -o "$work/cxx_with_pkgconfig" "$source/tests/consumer/consumer.cc" \
  $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs qvx_vector) -Wl,-rpath,"$libdir"
"$work/cxx_with_pkgconfig"

# The flavours sit where the system loader looks for them, and the loader picks the best one
# this processor supports (or the baseline where it supports none of them).
for level in $levels; do
  if [ -f "$build/flavours/$level/libqvx_vector.so" ]; then
    test -f "$libdir/glibc-hwcaps/$level/libqvx_vector.so"
  fi
done
loader=$(readelf -l "$work/with_pkgconfig" | sed -n 's/.*interpreter: \(.*\)]/\1/p')
best=
for level in $levels; do
  if "$loader" --help | grep -q "^ *$level (supported, searched)$"; then best=$level; break; fi
done
want="$libdir/libqvx_vector.so"
if [ -n "$best" ] && [ -f "$libdir/glibc-hwcaps/$best/libqvx_vector.so" ]; then
  want="$libdir/glibc-hwcaps/$best/libqvx_vector.so"
fi
got=$("$loader" --list "$work/with_pkgconfig" | sed -n 's/.*libqvx_vector.so => \([^ ]*\).*/\1/p')
if [ "$got" != "$want" ]; then
  echo "the loader chose $got, not $want" >&2
  exit 1
fi
echo "the loader chose $got"

# find_package
mkdir -p "$work/app"
cp "$source/tests/consumer/consumer.c" "$source/tests/consumer/consumer.cc" "$work/app/"
cat > "$work/app/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.18)
project(consumer C CXX)
find_package(qvx_vector $version EXACT REQUIRED)
add_executable(consumer consumer.c)
target_compile_definitions(consumer PRIVATE QVX_EXPECT_VERSION="$version")
target_link_libraries(consumer PRIVATE qvx_vector::qvx_vector)
add_executable(cxx_consumer consumer.cc)
target_compile_features(cxx_consumer PRIVATE cxx_std_17)
target_link_libraries(cxx_consumer PRIVATE qvx_vector::qvx_vector)
CMAKE
"$cmake_cmd" -S "$work/app" -B "$work/app/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
"$cmake_cmd" --build "$work/app/build" >/dev/null
"$work/app/build/consumer"
"$work/app/build/cxx_consumer"
