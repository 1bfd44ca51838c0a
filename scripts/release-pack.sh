# shellcheck shell=bash
# Sourced by release.sh and check-reproducible.sh: packs a release's
# downloads from built programs, the same bytes in any folder, at any time.

# release_environment: times from the commit's date (SOURCE_DATE_EPOCH),
# UTC, the C locale and fixed modes, for everything packed after it.
release_environment() {
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct HEAD)}
  export TZ=UTC LC_ALL=C
  umask 022
}

# pack_release TREE SOURCE DIST: writes into DIST the downloads of the
# programs built in TREE's build folders (windows, native, arm64, web), with the
# version, LICENSE and READMEs of SOURCE, the commit's own files; then
# SHA256SUMS over them. The READMEs and the package's description name the
# commit.
pack_release() {
  local tree=$1 source=$2 dist=$3 work version commit
  work=$(mktemp -d)
  version=$(sed -n 's/^project(rgbhsv VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
  commit=$(git rev-parse HEAD)
  mkdir -p "$dist"
  rm -f "$dist"/rgbhsv-*.zip "$dist"/rgbhsv_*.deb "$dist"/rgbhsv-*.tar.gz "$dist/SHA256SUMS" "$dist/SHA256SUMS.asc"
  stamp() { find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +; }
  readme() { sed "s/@VERSION@/$version/g; s/@COMMIT@/$commit/g" "$source/resources/release/$1"; }

  # Windows: the program, its licence, and a short README with Windows' line ends.
  local windows=$work/windows
  mkdir "$windows"
  cp "$tree/build/windows/rgbhsv.exe" "$source/LICENSE" "$windows/"
  readme README.txt | sed 's/$/\r/' >"$windows/README.txt"
  chmod 644 "$windows"/*
  stamp "$windows"
  (cd "$windows" && zip -X -D -9 -q "$dist/rgbhsv-$version-windows-x64.zip" LICENSE README.txt rgbhsv.exe)

  # Linux: the packages as CPack makes them, their times from
  # SOURCE_DATE_EPOCH: the native build's for amd64, the cross build's for
  # arm64.
  local build architecture
  for build in native:amd64 arm64:arm64; do
    architecture=${build#*:} build=$tree/build/${build%%:*}
    (cd "$build" && rm -f rgbhsv_*.deb && RGBHSV_RELEASE_COMMIT=$commit cpack -G DEB >/dev/null)
    cp "$build/rgbhsv_${version}_$architecture.deb" "$dist/"
  done

  # The web page, in a folder of its name, with its licence and README.
  local web=$work/rgbhsv-$version-web
  cp -r "$tree/build/web/site" "$web"
  cp "$source/LICENSE" "$web/"
  readme README-web.txt >"$web/README.txt"
  chmod -R u=rwX,go=rX "$web"
  stamp "$web"
  tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner -C "$work" \
    -cf - "rgbhsv-$version-web" | gzip -9n >"$dist/rgbhsv-$version-web.tar.gz"

  (cd "$dist" && sha256sum "rgbhsv-$version-windows-x64.zip" "rgbhsv_${version}_amd64.deb" \
    "rgbhsv_${version}_arm64.deb" "rgbhsv-$version-web.tar.gz" >SHA256SUMS)
  rm -rf "$work"
}
