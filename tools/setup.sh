#!/usr/bin/env bash
# Installs what klumpix needs to build, test and run, from Debian's packages.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libsdl2-dev libsdl2-mixer-dev
          libgtest-dev libgmock-dev libbenchmark-dev imagemagick xvfb xdotool x11-utils
          clang libclang-rt-14-dev matchbox-window-manager)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
