#!/usr/bin/env bash
# Makes the release's downloads in DIST (dist/ unless given), from a clean
# build of the current commit in a temporary folder of its own:
#   rgbhsv-VERSION-windows-x64.zip   rgbhsv.exe, LICENSE, README.txt
#   rgbhsv_VERSION_amd64.deb         the Linux package, for 64-bit PCs
#   rgbhsv_VERSION_arm64.deb         the same for 64-bit ARM (cross-built)
#   rgbhsv-VERSION-web.tar.gz        the web page, for any static host, with LICENSE and README.txt
#   SHA256SUMS                       over the four
#   SHA256SUMS.asc                   with --sign: its detached OpenPGP signature
# Everything in them comes from the commit's tree, never the working tree:
# a tree with uncommitted changes to tracked files is refused, unless told
# --allow-dirty, which leaves those changes out and says which they are.
# Both READMEs name the commit. The same commit gives the same bytes in any
# folder, at any time: times come from the commit's date
# (SOURCE_DATE_EPOCH), entries are sorted, owners and modes fixed, and no
# build path is kept.
#
#   scripts/release.sh [--allow-dirty] [--sign KEYID] [DIST]
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
allow_dirty="" sign_key=""
while [ $# -gt 0 ]; do
  case "$1" in
    --allow-dirty) allow_dirty=1 ;;
    --sign) [ $# -ge 2 ] || bad_usage "--sign takes a key"; sign_key=$2; shift ;;
    -*) bad_usage "unknown argument: $1" ;;
    *) break ;;
  esac
  shift
done
[ $# -le 1 ] || bad_usage
dist=$(realpath -m "${1:-dist}")  # the caller's folder, before ours
cd "$(dirname "$0")/.."
commit=$(git rev-parse HEAD)

mapfile -t dirty < <(git status --porcelain --untracked-files=no | cut -c4-)
if [ ${#dirty[@]} -gt 0 ] && [ -z "$allow_dirty" ]; then
  echo "release.sh: a release is of a commit, and these files have uncommitted changes:" >&2
  printf '  %s\n' "${dirty[@]}" >&2
  echo "Commit them, or leave them out with --allow-dirty." >&2
  exit 1
fi

source scripts/arm64-env.sh
source scripts/release-pack.sh
packages=("${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WEB_PACKAGES[@]}" "${RELEASE_PACKAGES[@]}")
[ -n "$sign_key" ] && packages+=(gnupg)
scripts/ensure-packages.sh "${packages[@]}"
ensure_arm64
release_environment

# The commit's own files, built in a folder of their own: the programs
# alone, without their tests.
source=$(mktemp -d)
trap 'rm -rf "$source"' EXIT
git archive HEAD | tar -x -C "$source"
if [ ${#dirty[@]} -gt 0 ]; then
  echo "release.sh: left out, not committed: ${dirty[*]}" >&2
  echo "release.sh: the release is of $commit" >&2
fi
(
  cd "$source"
  cmake --preset windows "${PROGRAM_ONLY[@]}" >/dev/null
  cmake --build --preset windows --target rgbhsv >/dev/null
  cmake --preset native "${PROGRAM_ONLY[@]}" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
  cmake --build --preset native --target rgbhsv_native icon_theme debian_docs >/dev/null
  cmake --preset arm64 "${PROGRAM_ONLY[@]}" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
  cmake --build --preset arm64 --target rgbhsv_native icon_theme debian_docs >/dev/null
  cmake --preset web "${PROGRAM_ONLY[@]}" >/dev/null
  cmake --build --preset web --target rgbhsv_web >/dev/null
)
pack_release "$source" "$source" "$dist"
if [ -n "$sign_key" ]; then
  gpg --batch --yes --local-user "$sign_key" --armor --detach-sign --output "$dist/SHA256SUMS.asc" "$dist/SHA256SUMS"
fi
echo "Release of $commit in $dist:"
cat "$dist/SHA256SUMS"
