# Cross build for 64-bit ARM Linux (make test-aarch64): Debian's g++-aarch64-linux-gnu, with
# the target's libraries from /usr/aarch64-linux-gnu, and its programs run by qemu-aarch64
# (Debian: qemu-user), which ctest puts in front of every test program.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(QVX_CROSS_ROOT /usr/aarch64-linux-gnu)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L ${QVX_CROSS_ROOT})

# Libraries, headers and packages from the target's root only; programs from the host.
set(CMAKE_FIND_ROOT_PATH ${QVX_CROSS_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
