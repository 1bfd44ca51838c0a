#!/usr/bin/env bash
# Installs, from Debian's or Ubuntu's archive, whichever of the named
# packages are missing; does nothing (and needs no network) when all are there.
# A package of another architecture (NAME:ARCH, such as libgtk-3-dev:arm64)
# has that architecture added to dpkg first. Nothing installed is ever
# removed to make room (apt's --no-remove): where the machine's packages
# and another architecture's must be the same version, apt upgrades them.
#
#   scripts/ensure-packages.sh PACKAGE...
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
for package in "$@"; do
  case "$package" in -*) bad_usage "not a package: $package" ;; esac
done

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
for package in "${missing[@]}"; do
  case "$package" in
    *:*)
      architecture=${package#*:}
      if [ "$architecture" != "$(dpkg --print-architecture)" ] &&
         ! dpkg --print-foreign-architectures | grep -qx "$architecture"; then
        $sudo dpkg --add-architecture "$architecture"
      fi
      ;;
  esac
done
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-remove "${missing[@]}"
