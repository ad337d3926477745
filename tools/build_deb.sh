#!/usr/bin/env bash
# Builds the Debian package with Debian's own tools (dpkg-buildpackage and
# debhelper) from a clean copy of the sources, so that the working tree's build
# folders stay out of it, and leaves klumpix_VERSION_ARCH.deb in OUT_DIR.
#
# usage: build_deb.sh [OUT_DIR]   (default build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build-deb}")
version=$(dpkg-parsechangelog -S Version)

work=$(mktemp -d /tmp/klumpix-deb-XXXXXX)
trap 'rm -rf "$work"' EXIT
src="$work/klumpix-$version"
mkdir -p "$src"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # What is tracked and what is new but not ignored, as it stands now.
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    xargs -0 cp --parents -t "$src"
else
  tar --exclude='./build*' --exclude='./tests/web/node_modules' -cf - . | tar -xf - -C "$src"
fi

echo "deb: building klumpix $version"
(cd "$src" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -b -us -uc) \
  >"$work/build.log" 2>&1 || { tail -n 60 "$work/build.log"; exit 1; }
mkdir -p "$out"
rm -f "$out"/klumpix_*.deb "$out"/klumpix-dbgsym_*.deb "$out"/klumpix-server*.deb
cp "$work"/klumpix_"$version"_*.deb "$work"/klumpix-server_"$version"_*.deb "$out"/
cp "$work"/klumpix-dbgsym_"$version"_*.deb "$work"/klumpix-server-dbgsym_"$version"_*.deb \
  "$out"/ 2>/dev/null || true
cp "$work/build.log" "$out/build.log"
echo "deb: $(ls "$out"/klumpix_"$version"_*.deb)"
