# shellcheck shell=bash
# Sourced by the scripts that build the Linux program for 64-bit ARM (the
# arm64 preset): what it takes on this machine.
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

# ensure_arm64: the cross compiler, the arm64 libraries and qemu-aarch64,
# installed where missing. Then the arm64 gdk-pixbuf's list of its image
# loaders, which its package could not write here: its install script runs
# an arm64 program, which fails without binfmt_misc. Without the list GTK
# reads no ICO image, and the icon's build step (an arm64 program, run
# under qemu-aarch64) fails.
ensure_arm64() {
  scripts/ensure-packages.sh "${ARM64_PACKAGES[@]}"
  local loaders=/usr/lib/aarch64-linux-gnu/gdk-pixbuf-2.0 sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if ! grep -q 'libpixbufloader-ico\.so' "$loaders/2.10.0/loaders.cache" 2>/dev/null; then
    $sudo qemu-aarch64 "$loaders/gdk-pixbuf-query-loaders" --update-cache
  fi
}
