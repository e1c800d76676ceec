#!/bin/sh
# The repository as a subproject (add_subdirectory, as FetchContent does it): the parent gets
# qvx_vector::qvx_vector and the C++ interface, and none of our tests, install rules or
# packages; its program builds and runs.
#   subproject.sh SOURCE CMAKE
set -eu
source=$1
cmake_cmd=${2:-cmake}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/app"
cp "$source/tests/consumer/consumer.cc" "$work/app/"
cat > "$work/app/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.18)
project(parent C CXX)
enable_testing()
add_subdirectory("$source" qvx_vector)
add_executable(app consumer.cc)
target_compile_features(app PRIVATE cxx_std_17)
target_link_libraries(app PRIVATE qvx_vector::qvx_vector)
add_test(NAME parent_app COMMAND app)
CMAKE
# A debug build: the test is about the project's shape, and it compiles faster.
"$cmake_cmd" -S "$work/app" -B "$work/build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
"$cmake_cmd" --build "$work/build" -j 2 >/dev/null
"$work/build/app"
# The parent's tests are its own alone.
tests=$(cd "$work/build" && ctest -N | sed -n 's/^ *Test *#[0-9]*: //p')
if [ "$tests" != "parent_app" ]; then
  echo "the parent lists other tests than its own: $tests" >&2
  exit 1
fi
# No packages, and installing the parent installs nothing of ours.
test ! -e "$work/build/CPackConfig.cmake"
"$cmake_cmd" --install "$work/build" --prefix "$work/prefix" >/dev/null
if [ -e "$work/prefix" ] && [ -n "$(find "$work/prefix" -type f)" ]; then
  echo "installing the parent installs: $(find "$work/prefix" -type f)" >&2
  exit 1
fi
echo "subproject ok"
