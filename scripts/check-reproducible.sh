#!/usr/bin/env bash
# Shows that the release is reproducible: makes it from a clean copy of the
# current commit in a folder of its own (build/release), and again from the
# builds in this folder, which the test command has just made in other
# folders and at other times; the two SHA256SUMS must be the same.
set -euo pipefail
cd "$(dirname "$0")/.."
for built in build/windows/rgbhsv.exe build/native/rgbhsv build/web/rgbhsv.wasm; do
  [ -f "$built" ] || { echo "no $built: build the windows, native and web presets first" >&2; exit 1; }
done
scripts/release.sh build/release >/dev/null
scripts/release.sh --from-builds build/release-here >/dev/null
echo "From a clean copy ($PWD/build/release):"
cat build/release/SHA256SUMS
echo "From the builds in $PWD:"
cat build/release-here/SHA256SUMS
if ! cmp -s build/release/SHA256SUMS build/release-here/SHA256SUMS; then
  echo "The two releases differ: the release is not reproducible" >&2
  exit 1
fi
echo "The two releases are the same files"
