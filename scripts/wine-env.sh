# shellcheck shell=bash
# The one place that knows how this project runs Windows programs under Wine:
# sourced by the run, screenshot, measuring and test scripts.
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

# Where Debian keeps Wine's own fonts (package fonts-wine, which wine pulls
# in). Debian's Wine 8 loads fonts only from the prefix's C:\windows\Fonts
# and through fontconfig, and this folder reaches neither; without them the
# close box shows a letter "r" instead of Marlett's cross, and dialog text
# falls back to Liberation Sans.
WINE_FONTS=/usr/share/wine/fonts

# wine_use DIR: runs Wine in prefix DIR from here on, quietly, without the
# Mono and Gecko installs that a new prefix would otherwise ask for.
wine_use() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# wine_prefix DIR [--fresh] [--desktop WxH]: uses DIR, and first makes it a
# booted prefix with Wine's own fonts unless it is one already (--fresh: made
# anew in any case). With --desktop, every window opens in a Wine virtual
# desktop of that size, which draws the frames and captions itself: a
# virtual X display has no window manager.
wine_prefix() {
  local dir="$1" fresh="" desktop=""
  shift
  while [ $# -gt 0 ]; do
    case "$1" in
      --fresh) fresh=1 ;;
      --desktop) desktop="$2"; shift ;;
      *) echo "wine_prefix: unknown option $1" >&2; return 2 ;;
    esac
    shift
  done
  wine_use "$dir"
  [ -n "$fresh" ] && rm -rf "$dir"
  if [ ! -f "$dir/.fonts-installed" ]; then
    echo "Preparing a Wine prefix in $dir (once)..."
    wineboot -i 2>/dev/null
    wineserver -w
    # The bitmap fonts (*.fon) matter as much as the TrueType ones: Wine's
    # "MS Sans Serif" is sserife.fon. ms_sans_serif.ttf holds the same
    # glyphs as bitmaps only, and Wine's font loader skips such files.
    cp "$WINE_FONTS"/*.ttf "$WINE_FONTS"/*.fon "$dir/drive_c/windows/Fonts/"
    touch "$dir/.fonts-installed"
  fi
  if [ -n "$desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop" /f >/dev/null 2>&1
    wineserver -w
  fi
}

# Builds rgbhsv.exe alone.
build_program() {
  cmake --preset windows "${PROGRAM_ONLY[@]}" >/dev/null
  cmake --build --preset windows --target rgbhsv
}

# wine_screenshot SCENARIO FILE: rgbhsv.exe in a virtual display, in a Wine
# desktop of its own size, posed by the end-to-end driver (SCENARIO "show":
# as it opens; "pose": with a color entered), photographed as soon as it is
# drawn whole, then closed. Fails, saying why, if no picture was taken.
# The driver is one of the tests: this needs WINDOWS_PACKAGES,
# WINE_PACKAGES, TEST_BUILD_PACKAGES and imagemagick.
wine_screenshot() {
  local scenario="$1" out="$2"
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target rgbhsv e2e_driver
  mkdir -p "$(dirname "$out")"
  out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
  wine_prefix "$PWD/build/wine-shot" --desktop 340x150
  # shellcheck disable=SC2016  # expanded by the inner shell
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    out="$1" release="$1.taken"
    rm -f "$out" "$release"
    exec 3< <(wine build/windows/tests/windows/e2e_driver.exe \
                "$PWD/build/windows/rgbhsv.exe" "$2" "$release" 2>&1)
    driver=$!
    posed=""
    while IFS= read -r -t 60 line <&3; do
      case "$line" in posed*) posed=1; break ;; esac
      printf "%s\n" "$line"
    done
    [ -n "$posed" ] && import -window root -crop 340x150+0+0 +repage "$out"
    touch "$release"
    cat <&3
    wait "$driver"
    status=$?
    rm -f "$release"
    [ -n "$posed" ] || { echo "the dialog was not drawn within a minute" >&2; exit 1; }
    exit "$status"
  ' _ "$out" "$scenario"
  if [ ! -s "$out" ]; then
    echo "No screenshot was taken" >&2
    return 1
  fi
  echo "Screenshot of rgbhsv.exe saved to $out"
}
