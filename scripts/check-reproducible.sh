#!/usr/bin/env bash
# Shows that the release is reproducible and of the commit alone: makes it
# from a clean copy of the current commit in a folder of its own
# (build/release), and again from the builds in this folder, which the test
# command has just made in other folders and at other times; the two
# SHA256SUMS must be the same. The second is signed with a key made for the
# run, and the signature must hold, and fail for a changed byte. Then an
# uncommitted change to files that go into every download (LICENSE, the
# Windows README) must be refused, and with --allow-dirty left out: the
# same SHA256SUMS again.
#
#   scripts/check-reproducible.sh   after building the windows, native and web presets
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
[ $# -eq 0 ] || bad_usage "unknown argument: $1"
cd "$(dirname "$0")/.."
fail() { echo "check-reproducible: FAILED: $*" >&2; exit 1; }
for built in build/windows/rgbhsv.exe build/native/rgbhsv build/web/site/rgbhsv.wasm; do
  [ -f "$built" ] || { echo "no $built: build the windows, native and web presets first" >&2; exit 1; }
done
scripts/ensure-packages.sh gnupg

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

scripts/release.sh --allow-dirty build/release >/dev/null
scripts/release.sh --from-builds --allow-dirty --sign "$key" build/release-here >/dev/null
echo "From a clean copy ($PWD/build/release):"
cat build/release/SHA256SUMS
echo "From the builds in $PWD:"
cat build/release-here/SHA256SUMS
cmp -s build/release/SHA256SUMS build/release-here/SHA256SUMS || fail "the two releases differ: not reproducible"
echo "The two releases are the same files"

gpg --batch --quiet --verify build/release-here/SHA256SUMS.asc build/release-here/SHA256SUMS 2>/dev/null ||
  fail "the signature of SHA256SUMS does not hold"
awk 'NR == 1 { $0 = (substr($0, 1, 1) == "0" ? "1" : "0") substr($0, 2) } { print }' \
  build/release-here/SHA256SUMS >"$work/SHA256SUMS"
cmp -s "$work/SHA256SUMS" build/release-here/SHA256SUMS && fail "the byte was not changed"
if gpg --batch --quiet --verify build/release-here/SHA256SUMS.asc "$work/SHA256SUMS" 2>/dev/null; then
  fail "the signature holds for a changed SHA256SUMS"
fi
echo "The signature holds, and fails for a changed byte"

# Uncommitted changes: refused, or left out.
git diff --quiet -- LICENSE resources/release/README.txt || fail "LICENSE or README.txt has uncommitted changes already"
mkdir -p "$work/kept/resources/release"
for file in LICENSE resources/release/README.txt; do
  cp "$file" "$work/kept/$file"
  restore+=("$file")
  echo "not in the commit" >>"$file"
done
if scripts/release.sh --from-builds build/release-dirty >/dev/null 2>"$work/said"; then
  fail "a release was made from a tree with uncommitted changes"
fi
grep -q "LICENSE" "$work/said" || fail "the refusal did not name the changed files: $(cat "$work/said")"
scripts/release.sh --from-builds --allow-dirty build/release-dirty >/dev/null 2>"$work/said"
grep -q "without the uncommitted changes to LICENSE" "$work/said" || fail "it did not say what it left out"
cmp -s build/release-dirty/SHA256SUMS build/release-here/SHA256SUMS ||
  fail "an uncommitted change went into the release"
echo "Uncommitted changes are refused, or left out of every download"
