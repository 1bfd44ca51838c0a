#!/usr/bin/env bash
# Installs the web tests' npm packages (Lighthouse, puppeteer-core) into
# tests/web/node_modules with `npm ci`, at the versions package-lock.json
# pins, when they are missing or older than the lockfile; does nothing
# (and needs no network) otherwise. Node and npm come from the machine, or
# else from Debian's archive.
set -euo pipefail
cd "$(dirname "$0")/../tests/web"

installed=node_modules/.package-lock.json
if [ -f "$installed" ] && [ "$installed" -nt package-lock.json ]; then
  exit 0
fi
command -v npm >/dev/null || ../../scripts/ensure-packages.sh npm
echo "Installing the web tests' npm packages (npm ci)"
npm ci --no-audit --no-fund --loglevel=error
