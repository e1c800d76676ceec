#!/bin/sh
# Installs the built library into a fresh prefix and builds a user's C program against it
# twice: through pkg-config and through CMake's find_package.
set -eu
build=$1
source=$2
cmake_cmd=${3:-cmake}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cmake_cmd" --install "$build" --prefix "$work/prefix" >/dev/null
libdir=$(dirname "$(dirname "$(find "$work/prefix" -name 'qvx_vector.pc' | head -n 1)")")
test -f "$libdir/libqvx_vector.so"

# pkg-config
PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --exists qvx_vector
cc -std=c99 -Wall -Wextra -pedantic -Werror -o "$work/with_pkgconfig" "$source/tests/consumer/consumer.c" \
  $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs qvx_vector) -Wl,-rpath,"$libdir"
"$work/with_pkgconfig"

# The flavours sit where the system loader looks for them, and the loader picks the best one
# this processor supports (or the baseline where it supports none of them).
for level in x86-64-v3 x86-64-v4; do
  if [ -d "$build/flavours/$level" ]; then
    test -f "$libdir/glibc-hwcaps/$level/libqvx_vector.so"
  fi
done
loader=$(readelf -l "$work/with_pkgconfig" | sed -n 's/.*interpreter: \(.*\)]/\1/p')
best=$("$loader" --help | sed -n 's/^ *\(x86-64-v[34]\) (supported, searched)$/\1/p' | head -n 1)
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
cp "$source/tests/consumer/consumer.c" "$work/app/"
cat > "$work/app/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.18)
project(consumer C)
find_package(qvx_vector REQUIRED)
add_executable(consumer consumer.c)
target_link_libraries(consumer PRIVATE qvx_vector::qvx_vector)
CMAKE
"$cmake_cmd" -S "$work/app" -B "$work/app/build" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
"$cmake_cmd" --build "$work/app/build" >/dev/null
"$work/app/build/consumer"
