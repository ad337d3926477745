#!/usr/bin/env bash
# Installs what the browser build and its test need: Debian's emscripten and
# chromium, Node.js with npm, and the test's pinned npm packages.
# Quiet and quick when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten chromium)
# Node.js may come from elsewhere than Debian; only a machine without it gets Debian's.
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup-web: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser test's packages, exactly as the lock file pins them.
lock=tests/web/package-lock.json
stamp=tests/web/node_modules/.package-lock.json
if [ ! -f "$stamp" ] || [ "$lock" -nt "$stamp" ]; then
  echo "setup-web: npm ci in tests/web"
  npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
fi
