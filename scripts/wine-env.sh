# Sourced by the scripts that run the program under Wine: the packages it
# takes, and a Wine prefix of the project's own under build/, booted once.
WINE_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 wine xvfb xauth)

# boot_prefix DIR: makes DIR a booted Wine prefix unless it is one already.
boot_prefix() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing a Wine prefix in $WINEPREFIX (once)..."
    wineboot -i 2>/dev/null
    wineserver -w
  fi
}

build_program() {
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target rgbhsv
}
