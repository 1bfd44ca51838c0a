#!/usr/bin/env bash
# Makes the release's downloads in DIST (dist/ unless given), from a clean
# build of the current commit in a folder of its own:
#   rgbhsv-VERSION-windows-x64.zip   rgbhsv.exe, LICENSE, README.txt
#   rgbhsv_VERSION_amd64.deb         the Linux package
#   rgbhsv-VERSION-web.tar.gz        the web page, for any static host
#   SHA256SUMS                       over the three
# The same commit gives the same bytes in any folder, at any time: times
# come from the commit's date (SOURCE_DATE_EPOCH), entries are sorted,
# owners and modes fixed, and no build path is kept.
#
#   scripts/release.sh [DIST]
#   scripts/release.sh --from-builds [DIST]   package what the presets built here
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
from_builds=""
if [ "${1:-}" = "--from-builds" ]; then
  from_builds=1
  shift
fi
dist=$(realpath -m "${1:-dist}")

source scripts/wine-env.sh
source scripts/native-env.sh
scripts/ensure-packages.sh "${NATIVE_PACKAGES[@]}" g++-mingw-w64-x86-64-posix dpkg-dev emscripten zip
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct HEAD)}
export TZ=UTC LC_ALL=C NODE_PATH=/usr/share/nodejs
umask 022
version=$(sed -n 's/^project(rgbhsv VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -z "$from_builds" ]; then
  [ -z "$(git status --porcelain --untracked-files=no)" ] ||
    echo "release.sh: uncommitted changes are left out: the release is of $(git rev-parse --short HEAD)" >&2
  tree=$work/source
  mkdir "$tree"
  git archive HEAD | tar -x -C "$tree"
  (
    cd "$tree"
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target rgbhsv >/dev/null
    cmake --preset native -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
    cmake --build --preset native --target rgbhsv_native icon_theme debian_docs >/dev/null
    cmake --preset web >/dev/null
    cmake --build --preset web --target rgbhsv_web >/dev/null
  )
else
  tree=$root
fi

mkdir -p "$dist"
rm -f "$dist"/rgbhsv-*.zip "$dist"/rgbhsv_*.deb "$dist"/rgbhsv-*.tar.gz "$dist/SHA256SUMS"
stamp() { find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +; }

# Windows: the program, its licence, and a short README with Windows' line ends.
windows=$work/windows
mkdir "$windows"
cp "$tree/build/windows/rgbhsv.exe" "$tree/LICENSE" "$windows/"
sed "s/@VERSION@/$version/; s/\$/\r/" resources/release/README.txt >"$windows/README.txt"
chmod 644 "$windows"/*
stamp "$windows"
(cd "$windows" && zip -X -D -9 -q "$dist/rgbhsv-$version-windows-x64.zip" LICENSE README.txt rgbhsv.exe)

# Linux: the package as CPack makes it, its times from SOURCE_DATE_EPOCH.
(cd "$tree/build/native" && rm -f rgbhsv_*.deb && cpack -G DEB >/dev/null)
cp "$tree/build/native/rgbhsv_${version}_amd64.deb" "$dist/"

# The web page, in a folder of its name, with its licence.
web=$work/rgbhsv-$version-web
cp -r "$tree/build/web" "$web"
cp "$tree/LICENSE" "$web/"
chmod -R u=rwX,go=rX "$web"
stamp "$web"
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner -C "$work" \
  -cf - "rgbhsv-$version-web" | gzip -9n >"$dist/rgbhsv-$version-web.tar.gz"

(cd "$dist" && sha256sum "rgbhsv-$version-windows-x64.zip" "rgbhsv_${version}_amd64.deb" \
  "rgbhsv-$version-web.tar.gz" >SHA256SUMS)
echo "Release $version in $dist:"
cat "$dist/SHA256SUMS"
