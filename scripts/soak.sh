#!/usr/bin/env bash
# The random user on one implementation for as long as asked: builds what
# it needs, plays N random actions from seed S through the real input of
# the GTK program, the page in Chromium, Firefox or WebKit, or rgbhsv.exe
# under Wine, checks the dialog's rules after each, and on a failure prints
# it with a one-line command that repeats it.
#
#   scripts/soak.sh --gtk|--web=chromium|--web=firefox|--web=webkit|--wine [--actions N] [--seed S] [--trace]
#
# Without --seed a seed is drawn, and printed.
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
implementation="" actions=1000 seed=$((RANDOM * 32768 + RANDOM)) trace=()
while [ $# -gt 0 ]; do
  case "$1" in
    --gtk) implementation=gtk ;;
    --wine) implementation=wine ;;
    --web=chromium|--web=firefox|--web=webkit) implementation=${1#--web=} ;;
    --actions) actions=${2:-}; shift ;;
    --seed) seed=${2:-}; shift ;;
    --trace) trace=(--trace) ;;
    *) bad_usage "unknown argument: $1" ;;
  esac
  shift
done
[ -n "$implementation" ] || bad_usage
[[ "$actions" =~ ^[0-9]+$ && "$seed" =~ ^[0-9]+$ ]] || bad_usage
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
source scripts/native-env.sh

# The oracle is built in the native preset's tests, and the Windows and
# web drivers in theirs.
packages=("${NATIVE_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}" xvfb xauth python3-pil)
case "$implementation" in
  gtk) packages+=(python3-xlib python3-pyatspi at-spi2-core dbus-daemon openbox xclip) ;;
  wine) packages+=("${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}") ;;
  chromium) packages+=("${WEB_PACKAGES[@]}" "${CHROMIUM_PACKAGES[@]}") ;;
  firefox) packages+=("${WEB_PACKAGES[@]}" firefox-esr python3-selenium) ;;  # the engines share a Python layer
  webkit) packages+=("${WEB_PACKAGES[@]}" webkit2gtk-driver python3-selenium) ;;
esac
scripts/ensure-packages.sh "${packages[@]}"

# The oracle, the program's conversion built for this machine.
cmake --preset native >/dev/null
targets=(conversion_oracle)
[ "$implementation" != gtk ] || targets+=(rgbhsv_native)
cmake --build --preset native --target "${targets[@]}" >/dev/null
user=(/usr/bin/python3 tests/random_user/random_user.py "$implementation" --oracle
      build/native/tests/random_user/conversion_oracle --actions "$actions" --seed "$seed" "${trace[@]}")
display=(xvfb-run -a -s "-screen 0 1024x768x24")
echo "soak: $implementation, $actions actions, seed $seed"

case "$implementation" in
  gtk)
    exec "${display[@]}" tests/random_user/desktop.sh "${user[@]}" --program build/native/rgbhsv ;;
  wine)
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target rgbhsv wine_user >/dev/null
    # shellcheck disable=SC2016  # expanded by the inner shell
    "${display[@]}" bash -c 'source scripts/wine-env.sh && wine_prefix "$PWD/build/soak-wine-prefix" --desktop 1024x768' \
      >/dev/null
    exec "${display[@]}" "${user[@]}" --program build/windows/rgbhsv.exe \
      --wine-user build/windows/tests/windows/wine_user.exe --prefix "$PWD/build/soak-wine-prefix" ;;
  *)
    [ "$implementation" != firefox ] || scripts/ensure-npm-packages.sh
    cmake --preset web >/dev/null
    cmake --build --preset web --target rgbhsv_web >/dev/null
    [ "$implementation" != webkit ] || user=("${display[@]}" "${user[@]}")
    exec "${user[@]}" --site build/web/site ;;
esac
