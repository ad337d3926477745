#!/usr/bin/env bash
# Installs what klumpix needs, group by group, from Debian's packages:
#   tools/setup.sh [build] [test] [fuzz] [compilers] [format] [package] [web]
# (no group: build). Quiet and quick when everything is already there. Where
# apt-get is missing, or we may not use it, it names what is missing and
# carries on; cmake then says what it lacks.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A group=(
  [build]="cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-mixer-dev
         libcpp-httplib-dev libsqlite3-dev libpqxx-dev"
  [test]="libgtest-dev libgmock-dev libbenchmark-dev imagemagick xvfb xdotool x11-utils postgresql
          matchbox-window-manager"
  [fuzz]="clang libclang-rt-14-dev"
  [compilers]="clang"
  [format]="clang-format"
  [package]="debhelper dpkg-dev fakeroot lintian appstream desktop-file-utils man-db"
  [web]="emscripten chromium"
)

wanted=()
for name in "${@:-build}"; do
  [ -n "${group[$name]+set}" ] || { echo "setup: no group '$name'" >&2; exit 2; }
  read -r -a packages <<<"$(echo ${group[$name]})"
  wanted+=("${packages[@]}")
done
# Node.js may come from elsewhere than Debian; only a machine without it gets Debian's.
if [[ " $* " == *" web "* ]]; then
  command -v node >/dev/null 2>&1 || wanted+=(nodejs)
  command -v npm >/dev/null 2>&1 || wanted+=(npm)
fi

missing=()
if command -v dpkg >/dev/null 2>&1; then
  for p in "${wanted[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
fi

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null 2>&1 && sudo="sudo"
  if command -v apt-get >/dev/null 2>&1 && { [ "$(id -u)" -eq 0 ] || [ -n "$sudo" ]; }; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "setup: cannot install here; missing Debian packages (or their equivalents): ${missing[*]}"
  fi
fi
if ! command -v dpkg >/dev/null 2>&1; then
  echo "setup: not a Debian system; make sure these (or their equivalents) are installed: ${wanted[*]}"
fi

# The browser test's packages, exactly as the lock file pins them.
if [[ " $* " == *" web "* ]] && command -v npm >/dev/null 2>&1; then
  lock=tests/web/package-lock.json
  stamp=tests/web/node_modules/.package-lock.json
  if [ ! -f "$stamp" ] || [ "$lock" -nt "$stamp" ]; then
    echo "setup: npm ci in tests/web"
    npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
  fi
fi
