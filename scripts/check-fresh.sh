#!/usr/bin/env bash
# The README's commands as a new user meets them: each in a new Debian root
# made for the run with mmdebstrap (from the archive this machine's apt is
# set up with, with its settings for reaching it and the CAs the machine
# adds to its store), with the current commit cloned into it and nothing
# else of this machine, run as root with a clean environment (env -i) and
# no display.
#
#   scripts/check-fresh.sh         scripts/run.sh, which must save its screenshot,
#                                  then the README's cmake --install for one user
#   scripts/check-fresh.sh --all   that, and each in a root of its own:
#       scripts/run.sh --web, scripts/run.sh --windows, scripts/release.sh
#       (which cross-builds and packs the arm64 program too), scripts/test.sh --arm64,
#       scripts/soak.sh --actions 50 --wine, scripts/soak.sh --actions 50 --web=firefox
#   scripts/check-fresh.sh --run 'COMMAND LINE'   that command line instead,
#       for instance 'scripts/test.sh'
#
# Each root is made, used and removed inside mount and PID namespaces of
# its own, so that its mounts and every daemon started in it (Xvfb,
# wineserver, dbus, gpg-agent) end with it, even when the run is killed.
# The roots are in build/fresh/ (a killed run's are removed first); the
# packages they download are kept in build/fresh/cache for the next run;
# each command's output and screenshot are left in build/fresh/.
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
all="" run=""
case "$*" in
  "") ;;
  --all) all=1 ;;
  --run\ ?*) [ $# -eq 2 ] || bad_usage "--run takes one command line, quoted"; run=$2 ;;
  *) bad_usage "unknown arguments: $*" ;;
esac
cd "$(dirname "$0")/.."
fail() { echo "check-fresh: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "needs root: it makes a Debian root with mmdebstrap and mounts in it"
scripts/ensure-packages.sh mmdebstrap git
unshare --mount --propagation private --pid --fork --mount-proc true 2>/dev/null ||
  fail "cannot make mount and PID namespaces here (unshare --mount --pid), so it cannot run safely"
[ -r /etc/os-release ] || fail "no /etc/os-release: which release to make a root of is not known"
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$suite" ] || fail "/etc/os-release names no release (VERSION_CODENAME)"

fresh=$PWD/build/fresh
commit=$(git rev-parse HEAD)
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "check-fresh: uncommitted changes are not checked, only the commit"
fi
mkdir -p "$fresh/cache"

# A root is removed only when nothing is mounted in it: rm's
# --one-file-system would not stop at a bind mount of this file system.
remove_root() {
  if findmnt -rn -o TARGET | grep -qF "$1/"; then
    fail "$1 still has file systems mounted in it; unmount them, then remove it"
  fi
  # A process of the ended namespace may still be on its way out.
  local tries=0
  until rm -rf --one-file-system "$1"; do
    tries=$((tries + 1))
    [ "$tries" -lt 50 ] || fail "could not remove $1"
    sleep 0.1
  done
}
for root in "$fresh"/root-*; do
  [ -d "$root" ] && remove_root "$root"
done

# apt's sources and its Acquire settings (a proxy, how old a Release file
# may be), as the root must reach the same archive; not the settings of
# the packages installed here.
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] && grep -q '^[^#[:space:]]' "$file" && sources+=("$file")
done
[ ${#sources[@]} -gt 0 ] || fail "apt has no sources here to make a root from"
apt-config dump | grep '^Acquire::' | grep -v '^Acquire::IndexTargets' >"$fresh/apt-settings.conf"
# And the CAs this machine adds to its store (a proxy's own, for https).
local_cas=(/usr/local/share/ca-certificates/*.crt)
[ -f "${local_cas[0]}" ] || local_cas=()

# Runs as the first process of the namespaces: makes ROOT, clones the
# commit into it, runs the command there, and copies out FILE (when one is
# named), which it must have made. When it ends, the kernel ends every
# process left in the namespace, and with the last of them its mounts.
in_root() {
  set -euo pipefail
  local root=$1 cache=$2 suite=$3 settings=$4 commit=$5 expect=$6 out=$7
  shift 7
  local sources=() cas=() status=0
  while [ "$1" != -- ]; do sources+=("$1"); shift; done
  shift
  while [ "$1" != -- ]; do cas+=("$1"); shift; done
  shift
  local hooks=()
  if [ ${#cas[@]} -gt 0 ]; then
    # shellcheck disable=SC2016  # the hook's $1 is mmdebstrap's, the root
    hooks=(--customize-hook="copy-in ${cas[*]} /usr/local/share/ca-certificates/"
           --customize-hook='chroot "$1" update-ca-certificates >/dev/null')
  fi
  # shellcheck disable=SC2016  # the hook's $1 is mmdebstrap's, the root
  mmdebstrap --quiet --include=git,ca-certificates --aptopt="$settings" --skip=essential/unlink \
    --setup-hook='mkdir -p "$1/var/cache/apt/archives"' \
    --setup-hook="sync-in $cache /var/cache/apt/archives/" \
    --customize-hook="sync-out /var/cache/apt/archives $cache" "${hooks[@]}" \
    "$suite" "$root" "${sources[@]}"
  git clone --quiet --no-hardlinks "$PWD" "$root/root/rgbhsv"
  git -C "$root/root/rgbhsv" checkout --quiet --detach "$commit"
  # The packages already downloaded, as links into the root's apt cache.
  find "$cache" -maxdepth 1 -name '*.deb' -exec ln -f -t "$root/var/cache/apt/archives" {} +
  # The root a mount point of its own, as a machine's root is: unshare in
  # it (a nested check) makes its mounts private from there.
  mount --bind "$root" "$root"
  mount -t proc proc "$root/proc"
  mount -t sysfs -o ro sysfs "$root/sys"
  mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
  mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$root/dev/pts"
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    /bin/bash -c "cd /root/rgbhsv && $1" </dev/null || status=$?
  # Back to the root's own folder, where the packages it downloaded can be
  # linked into the cache (not across the bind mount): a cache is no test.
  umount -R -l "$root"
  find "$root/var/cache/apt/archives" -maxdepth 1 -name '*.deb' -exec cp -n -l -t "$cache" {} + ||
    echo "check-fresh: the packages downloaded were not all kept for the next run" >&2
  if [ "$status" -eq 0 ] && [ -n "$expect" ]; then
    if [ -s "$root/root/rgbhsv/$expect" ]; then
      cp "$root/root/rgbhsv/$expect" "$out"
    else
      echo "check-fresh: it did not make $expect" >&2
      status=1
    fi
  fi
  return "$status"
}

# NAME EXPECTED-FILE COMMANDS: one shell command line in a root of its own. The
# root is removed from here, where nothing was ever mounted in it.
failed=()
check() {
  local name=$1 expect=$2 start=$SECONDS status=0 out=""
  shift 2
  [ -z "$expect" ] || out=$fresh/$name-${expect##*/}
  rm -f "$out"
  echo "check-fresh: $1 in a new $suite root, as root, env -i, no display ($commit)"
  # unshare ignores SIGTERM and SIGINT while it waits, and is killed with
  # this script (the parent's death signal); the namespaces' first process
  # is killed with unshare, and every other with that process.
  # shellcheck disable=SC2016  # expanded by the inner shell
  setpriv --pdeathsig KILL unshare --mount --propagation private --pid --fork --mount-proc --kill-child \
    bash -c "$(declare -f in_root)"'; in_root "$@"' _ "$fresh/root-$name" "$fresh/cache" "$suite" \
    "$fresh/apt-settings.conf" "$commit" "$expect" "$out" "${sources[@]}" -- "${local_cas[@]}" -- "$1" \
    >"$fresh/$name.log" 2>&1 ||
    status=$?
  remove_root "$fresh/root-$name"
  if [ "$status" -eq 0 ]; then
    echo "check-fresh: passed in $((SECONDS - start)) s: $1${out:+ (it made $expect, copied to ${out#"$PWD"/})}"
  else
    tail -n 40 "$fresh/$name.log" >&2
    echo "check-fresh: FAILED (exit code $status) in $((SECONDS - start)) s: $1 (output in ${fresh#"$PWD"/}/$name.log)" >&2
    failed+=("$1")
  fi
}

if [ -n "$run" ]; then
  check command "" "$run"
  [ ${#failed[@]} -eq 0 ] || fail "failed on a fresh root: $run"
  exit 0
fi
# With the README's install for one user, which takes what run.sh built.
check run build/rgbhsv-screenshot.png \
  'scripts/run.sh && cmake --install build/native --prefix ~/.local >/dev/null && test -x ~/.local/bin/rgbhsv'
if [ -n "$all" ]; then
  check run-web build/rgbhsv-web-screenshot.png 'scripts/run.sh --web'
  check run-windows build/rgbhsv-screenshot.png 'scripts/run.sh --windows'
  check release dist/SHA256SUMS scripts/release.sh
  check arm64 "" 'scripts/test.sh --arm64'
  check soak-wine "" 'scripts/soak.sh --actions 50 --wine'
  check soak-firefox "" 'scripts/soak.sh --actions 50 --web=firefox'
fi
[ ${#failed[@]} -eq 0 ] || fail "failed on a fresh root: $(printf '%s; ' "${failed[@]}")"
echo "check-fresh: every command passed on a fresh root"
