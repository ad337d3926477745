#!/usr/bin/env bash
# Runs a test of the page in headless Chromium when its tools and the page
# are there. Otherwise it says what is missing and reports the test as
# skipped (exit 77), or as failed where every test must run
# (KLUMPIX_NO_SKIPS=1, as CI sets it).
# usage: run_browser_test.sh TEST.mjs NODE CHROMIUM SITE_DIR [ARGUMENT ...]
#   runs: node TEST.mjs SITE_DIR ARGUMENT ... CHROMIUM
set -u
test=$1 node=$2 chromium=$3 site=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)

missing=()
command -v "$node" >/dev/null 2>&1 || missing+=("node")
command -v "$chromium" >/dev/null 2>&1 || missing+=("chromium")
[ -d "$here/node_modules/puppeteer-core" ] || missing+=("puppeteer-core (npm ci in tests/web)")
[ -f "$site/klumpix.wasm" ] || missing+=("the page in $site (make web)")
if [ ${#missing[@]} -gt 0 ]; then
  echo "${test%.mjs}: skipped: missing ${missing[*]}; make test installs and builds them"
  [ -n "${KLUMPIX_NO_SKIPS:-}" ] && exit 1
  exit 77
fi
exec "$node" "$here/$test" "$site" "$@" "$chromium"
