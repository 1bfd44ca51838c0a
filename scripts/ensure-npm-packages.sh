#!/usr/bin/env bash
# Installs the web tests' npm packages (Lighthouse, puppeteer-core) into
# tests/web/node_modules with `npm ci`, at the versions package-lock.json
# pins, when they are missing or older than the lockfile; does nothing
# (and needs no network) otherwise. Node and npm come from the machine, or
# else from Debian's archive.
#
#   scripts/ensure-npm-packages.sh
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
[ $# -eq 0 ] || bad_usage "unknown argument: $1"
cd "$(dirname "$0")/../tests/web"

installed=node_modules/.package-lock.json
if [ -f "$installed" ] && [ "$installed" -nt package-lock.json ]; then
  exit 0
fi
command -v npm >/dev/null || ../../scripts/ensure-packages.sh npm
# npm trusts the machine's CA store, as apt, git and curl do, so that a
# CA the machine adds (a proxy's own) counts as it does for them.
store=()
[ ! -f /etc/ssl/certs/ca-certificates.crt ] || store=(--cafile=/etc/ssl/certs/ca-certificates.crt)
echo "Installing the web tests' npm packages (npm ci)"
npm ci --no-audit --no-fund --loglevel=error "${store[@]}"
