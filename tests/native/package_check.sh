#!/usr/bin/env bash
# The Debian package as a user meets it: checked by lintian and by the
# desktop's validators, installed with apt, the installed program used
# through one end-to-end scenario in a virtual display, removed, and
# nothing of it left behind. Needs root (or sudo). Another architecture's
# package is used under the emulator named in RGBHSV_EMULATOR.
#
#   package_check.sh DEB E2E_DIR BELL_WATCH CLIPBOARD_KEEPER
set -euo pipefail
deb=$(realpath "$1") e2e_dir=$2 bell_watch=$3 keeper=$4
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package: FAILED: $*" >&2; exit 1; }

lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports errors"
dpkg-deb -x "$deb" "$work/files"
desktop-file-validate "$work"/files/usr/share/applications/*.desktop || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$work"/files/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "the AppStream metainfo is not valid"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' >"$work/files.list"

# Named with its architecture: on a multiarch machine the name alone is
# the machine's own architecture's package.
package=$(dpkg-deb -f "$deb" Package):$(dpkg-deb -f "$deb" Architecture)
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null
[ -x /usr/bin/rgbhsv ] || fail "no /usr/bin/rgbhsv after installing"
status=0
RGBHSV_APP_ID=$(basename "$work"/files/usr/share/applications/*.desktop .desktop) \
  xvfb-run -a -s "-screen 0 1024x768x24" "$e2e_dir/e2e.sh" /usr/bin/rgbhsv "$bell_watch" typing "$keeper" || status=$?
DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq "$package" >/dev/null
[ "$status" = 0 ] || fail "the installed program failed its scenario"

! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed || fail "still installed"
while read -r file; do
  [ ! -e "$file" ] || fail "$file is left after removing the package"
done <"$work/files.list"
echo "package: installed, used, removed"
