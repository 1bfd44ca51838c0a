#!/usr/bin/env bash
# Shows that rgbhsv.exe is reproducible: builds it a second time from a
# clean copy of the sources in another folder and compares the two files.
# Run after the windows preset has built build/windows/rgbhsv.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
first=build/windows/rgbhsv.exe
[ -f "$first" ] || { echo "no $first: build the windows preset first" >&2; exit 1; }

copy=build/reproducible/rgbhsv
rm -rf "$copy"
mkdir -p "$copy"
# The sources as they stand, tracked or new, without any build output.
git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf - | tar -xf - -C "$copy"
(cd "$copy" && cmake --preset windows >/dev/null && cmake --build --preset windows --target rgbhsv >/dev/null)

a=$(sha256sum <"$first" | cut -d' ' -f1)
b=$(sha256sum <"$copy/build/windows/rgbhsv.exe" | cut -d' ' -f1)
echo "rgbhsv.exe built in $PWD:        $a"
echo "rgbhsv.exe built in $PWD/$copy: $b"
if [ "$a" != "$b" ]; then
  echo "The two builds differ: the build is not reproducible" >&2
  exit 1
fi
echo "The two builds are the same file"
