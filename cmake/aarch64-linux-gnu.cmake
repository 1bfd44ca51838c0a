# Cross-building the Linux program for 64-bit ARM (Debian's
# crossbuild-essential-arm64), against the arm64 GTK of dpkg's multiarch
# (libgtk-3-dev:arm64), found through aarch64-linux-gnu-pkg-config. The
# tests run under qemu-aarch64, which takes the arm64 loader from
# libc6:arm64 and needs no binfmt_misc.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
