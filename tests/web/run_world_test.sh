#!/usr/bin/env bash
# Runs the page's world table test when its tools and the page are there.
# Otherwise it says what is missing and reports the test as skipped (exit
# 77), or as failed where every test must run (KLUMPIX_NO_SKIPS=1, as CI
# sets it).
# usage: run_world_test.sh NODE CHROMIUM SITE_DIR KLUMPIX_SERVER GAME_EXECUTABLE
set -u
node=$1 chromium=$2 site=$3 server=$4 game=$5
here=$(cd "$(dirname "$0")" && pwd)

missing=()
command -v "$node" >/dev/null 2>&1 || missing+=("node")
command -v "$chromium" >/dev/null 2>&1 || missing+=("chromium")
[ -d "$here/node_modules/puppeteer-core" ] || missing+=("puppeteer-core (npm ci in tests/web)")
[ -f "$site/klumpix.wasm" ] || missing+=("the page in $site (make web)")
if [ ${#missing[@]} -gt 0 ]; then
  echo "world browser test skipped: missing ${missing[*]}; make test installs and builds them"
  [ -n "${KLUMPIX_NO_SKIPS:-}" ] && exit 1
  exit 77
fi
exec "$node" "$here/world_test.mjs" "$site" "$server" "$game" "$chromium"
