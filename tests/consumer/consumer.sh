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
libdir=$(dirname "$(find "$work/prefix" -name 'libqvx_vector.so' | head -n 1)")

# pkg-config
PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --exists qvx_vector
cc -std=c99 -Wall -Wextra -pedantic -Werror -o "$work/with_pkgconfig" "$source/tests/consumer/consumer.c" \
  $(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs qvx_vector) -Wl,-rpath,"$libdir"
"$work/with_pkgconfig"

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
