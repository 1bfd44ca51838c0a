#!/usr/bin/env bash
# Shows that the release is reproducible and of the commit alone:
#  - with LICENSE and the Windows README changed and not committed (the
#    files every download carries), release.sh refuses to make a release;
#  - with --allow-dirty it makes one from a clean copy of the commit in a
#    temporary folder, into build/release, saying what it left out, signed
#    with a key made for the run: the signature must hold, and fail for a
#    changed byte;
#  - the same downloads are packed from the builds in this folder, which
#    the test command has just made in other folders and at other times,
#    into build/release-here: the two SHA256SUMS must be the same, and where
#    a download differs, diffoscope shows where.
# The changed files are restored, whatever happens.
#
#   scripts/check-reproducible.sh   after building the windows, native, arm64 and web presets
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
[ $# -eq 0 ] || bad_usage "unknown argument: $1"
cd "$(dirname "$0")/.."
fail() { echo "check-reproducible: FAILED: $*" >&2; exit 1; }
for built in build/windows/rgbhsv.exe build/native/rgbhsv build/arm64/rgbhsv build/web/site/rgbhsv.wasm; do
  [ -f "$built" ] || { echo "no $built: build the windows, native, arm64 and web presets first" >&2; exit 1; }
done
source scripts/packages.sh
source scripts/release-pack.sh
scripts/ensure-packages.sh gnupg diffoscope-minimal "${RELEASE_PACKAGES[@]}"
git diff --quiet -- LICENSE resources/release/README.txt || fail "LICENSE or README.txt has uncommitted changes already"

work=$(mktemp -d)
restore=()
cleanup() {
  for file in "${restore[@]}"; do cp "$work/kept/$file" "$file"; done
  gpgconf --homedir "$work/gnupg" --kill all 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A signing key of the run's own, in a keyring of its own.
export GNUPGHOME=$work/gnupg
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-generate-key 'rgbhsv release check <check@rgbhsv.invalid>' ed25519 sign 1d
key=$(gpg --batch --with-colons --list-secret-keys | awk -F: '/^fpr/ {print $10; exit}')

# Uncommitted changes: refused, or left out.
mkdir -p "$work/kept/resources/release"
for file in LICENSE resources/release/README.txt; do
  cp "$file" "$work/kept/$file"
  restore+=("$file")
  echo "not in the commit" >>"$file"
done
if scripts/release.sh build/release-dirty >/dev/null 2>"$work/said"; then
  fail "a release was made from a tree with uncommitted changes"
fi
grep -q "LICENSE" "$work/said" || fail "the refusal did not name the changed files: $(cat "$work/said")"
echo "A tree with uncommitted changes is refused"
scripts/release.sh --allow-dirty --sign "$key" build/release >/dev/null 2>"$work/said" ||
  fail "release.sh: $(cat "$work/said")"
grep -q "left out, not committed: LICENSE" "$work/said" || fail "it did not say what it left out: $(cat "$work/said")"
for file in "${restore[@]}"; do cp "$work/kept/$file" "$file"; done
restore=()

gpg --batch --quiet --verify build/release/SHA256SUMS.asc build/release/SHA256SUMS 2>/dev/null ||
  fail "the signature of SHA256SUMS does not hold"
awk 'NR == 1 { $0 = (substr($0, 1, 1) == "0" ? "1" : "0") substr($0, 2) } { print }' \
  build/release/SHA256SUMS >"$work/SHA256SUMS"
cmp -s "$work/SHA256SUMS" build/release/SHA256SUMS && fail "the byte was not changed"
if gpg --batch --quiet --verify build/release/SHA256SUMS.asc "$work/SHA256SUMS" 2>/dev/null; then
  fail "the signature holds for a changed SHA256SUMS"
fi
echo "The signature holds, and fails for a changed byte"

# The same downloads from the builds here, with the commit's own files.
release_environment
mkdir "$work/source"
git archive HEAD | tar -x -C "$work/source"
pack_release "$PWD" "$work/source" "$PWD/build/release-here"
echo "From a clean copy of the commit ($PWD/build/release), with the uncommitted changes left out:"
cat build/release/SHA256SUMS
echo "From the builds in $PWD (build/release-here):"
cat build/release-here/SHA256SUMS
if ! cmp -s build/release/SHA256SUMS build/release-here/SHA256SUMS; then
  while read -r _ download; do
    cmp -s "build/release/$download" "build/release-here/$download" ||
      diffoscope --text - "build/release/$download" "build/release-here/$download" | head -n 200 || true
  done <build/release/SHA256SUMS
  fail "the two releases differ (above, where): not reproducible"
fi
echo "The two releases are the same files"
