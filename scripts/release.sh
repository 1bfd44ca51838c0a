#!/usr/bin/env bash
# Makes the release's downloads in DIST (dist/ unless given), from a clean
# build of the current commit in a folder of its own:
#   rgbhsv-VERSION-windows-x64.zip   rgbhsv.exe, LICENSE, README.txt
#   rgbhsv_VERSION_amd64.deb         the Linux package
#   rgbhsv-VERSION-web.tar.gz        the web page, for any static host
#   SHA256SUMS                       over the three
#   SHA256SUMS.asc                   with --sign: its detached OpenPGP signature
# Everything in them comes from the commit's tree, never the working tree:
# a tree with uncommitted changes to tracked files is refused, unless told
# --allow-dirty, which leaves those changes out and says which they are.
# The same commit gives the same bytes in any folder, at any time: times
# come from the commit's date (SOURCE_DATE_EPOCH), entries are sorted,
# owners and modes fixed, and no build path is kept.
#
#   scripts/release.sh [--allow-dirty] [--sign KEYID] [DIST]
#   scripts/release.sh --from-builds [--allow-dirty] [--sign KEYID] [DIST]
#       the programs the presets built here, with the rest from the commit
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
from_builds="" allow_dirty="" sign_key=""
while [ $# -gt 0 ]; do
  case "$1" in
    --from-builds) from_builds=1 ;;
    --allow-dirty) allow_dirty=1 ;;
    --sign) [ $# -ge 2 ] || bad_usage; sign_key=$2; shift ;;
    -*) bad_usage "unknown argument: $1" ;;
    *) break ;;
  esac
  shift
done
[ $# -le 1 ] || bad_usage
dist=$(realpath -m "${1:-dist}")  # the caller's folder, before ours
cd "$(dirname "$0")/.."
root=$PWD
commit=$(git rev-parse --short HEAD)

mapfile -t dirty < <(git status --porcelain --untracked-files=no | cut -c4-)
if [ ${#dirty[@]} -gt 0 ] && [ -z "$allow_dirty" ]; then
  echo "release.sh: a release is of a commit, and these files have uncommitted changes:" >&2
  printf '  %s\n' "${dirty[@]}" >&2
  echo "Commit them, or leave them out with --allow-dirty." >&2
  exit 1
fi

source scripts/packages.sh
packages=("${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WEB_PACKAGES[@]}" "${RELEASE_PACKAGES[@]}")
[ -n "$sign_key" ] && packages+=(gnupg)
scripts/ensure-packages.sh "${packages[@]}"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct HEAD)}
export TZ=UTC LC_ALL=C
umask 022

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The commit's own files: the version, the licence, the Windows README, and
# (unless the builds here are taken) the sources the programs are built from.
source=$work/source
mkdir "$source"
git archive HEAD | tar -x -C "$source"
version=$(sed -n 's/^project(rgbhsv VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
if [ -z "$from_builds" ]; then
  if [ ${#dirty[@]} -gt 0 ]; then
    echo "release.sh: left out, not committed: ${dirty[*]}" >&2
    echo "release.sh: the release is of $commit" >&2
  fi
  tree=$source
  (
    cd "$tree"
    cmake --preset windows "${PROGRAM_ONLY[@]}" >/dev/null
    cmake --build --preset windows --target rgbhsv >/dev/null
    cmake --preset native "${PROGRAM_ONLY[@]}" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
    cmake --build --preset native --target rgbhsv_native icon_theme debian_docs >/dev/null
    cmake --preset web "${PROGRAM_ONLY[@]}" >/dev/null
    cmake --build --preset web --target rgbhsv_web >/dev/null
  )
else
  if [ ${#dirty[@]} -gt 0 ]; then
    echo "release.sh: the version, LICENSE and README.txt are $commit's, without the uncommitted changes to" \
         "${dirty[*]}; the programs are the builds here, as they were built" >&2
  fi
  tree=$root
fi

mkdir -p "$dist"
rm -f "$dist"/rgbhsv-*.zip "$dist"/rgbhsv_*.deb "$dist"/rgbhsv-*.tar.gz "$dist/SHA256SUMS" "$dist/SHA256SUMS.asc"
stamp() { find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +; }

# Windows: the program, its licence, and a short README with Windows' line ends.
windows=$work/windows
mkdir "$windows"
cp "$tree/build/windows/rgbhsv.exe" "$source/LICENSE" "$windows/"
sed "s/@VERSION@/$version/; s/\$/\r/" "$source/resources/release/README.txt" >"$windows/README.txt"
chmod 644 "$windows"/*
stamp "$windows"
(cd "$windows" && zip -X -D -9 -q "$dist/rgbhsv-$version-windows-x64.zip" LICENSE README.txt rgbhsv.exe)

# Linux: the package as CPack makes it, its times from SOURCE_DATE_EPOCH.
(cd "$tree/build/native" && rm -f rgbhsv_*.deb && cpack -G DEB >/dev/null)
cp "$tree/build/native/rgbhsv_${version}_amd64.deb" "$dist/"

# The web page, in a folder of its name, with its licence.
web=$work/rgbhsv-$version-web
cp -r "$tree/build/web/site" "$web"
cp "$source/LICENSE" "$web/"
chmod -R u=rwX,go=rX "$web"
stamp "$web"
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner -C "$work" \
  -cf - "rgbhsv-$version-web" | gzip -9n >"$dist/rgbhsv-$version-web.tar.gz"

(cd "$dist" && sha256sum "rgbhsv-$version-windows-x64.zip" "rgbhsv_${version}_amd64.deb" \
  "rgbhsv-$version-web.tar.gz" >SHA256SUMS)
if [ -n "$sign_key" ]; then
  gpg --batch --yes --local-user "$sign_key" --armor --detach-sign --output "$dist/SHA256SUMS.asc" "$dist/SHA256SUMS"
fi
echo "Release $version of $commit in $dist:"
cat "$dist/SHA256SUMS"
