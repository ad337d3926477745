#!/usr/bin/env bash
# Installs the built game into a scratch prefix and checks that the installed
# game finds its pictures from any folder, and that the launcher keeps the
# player's files in their own data folder.
#
# usage: install_test.sh BUILD_DIR
set -euo pipefail

BUILD=$(realpath "$1")
WORK=$(mktemp -d /tmp/klumpix-install-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" || fail "cmake --install failed"
for f in bin/klumpix bin/klumpix-launcher share/applications/org.klumpix.klumpix.desktop \
         share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/org.klumpix.klumpix.png \
         share/metainfo/org.klumpix.klumpix.metainfo.xml share/man/man6/klumpix.6 share/klumpix/res; do
  [ -e "$PREFIX/$f" ] || fail "$f was not installed"
done
[ -x "$PREFIX/bin/klumpix-launcher" ] || fail "the launcher is not executable"
grep -q '^Exec=klumpix-launcher' "$PREFIX/share/applications/org.klumpix.klumpix.desktop" ||
  fail "the desktop entry does not start the launcher"
[ "$(find "$PREFIX/share/klumpix/res" -name '*.bmp' | wc -l)" -eq \
  "$(find "$BUILD/res" -name '*.bmp' | wc -l)" ] || fail "not every picture was installed"

# A folder without res/ and far from the build: only the installed pictures
# can be found from here.
mkdir "$WORK/elsewhere"
(cd "$WORK/elsewhere" && "$PREFIX/bin/klumpix" --headless --ticks 12 --screenshot shot.bmp) ||
  fail "the installed game did not run from another folder"
[ "$(stat -c %s "$WORK/elsewhere/shot.bmp")" -gt 1000000 ] || fail "no screenshot was written"

# An empty res/ in the working folder is passed over for the installed pictures;
# a game with no pictures anywhere names every place it looked in.
mkdir "$WORK/elsewhere/res"
(cd "$WORK/elsewhere" && "$PREFIX/bin/klumpix" --headless --ticks 12) ||
  fail "an empty res/ in the working folder hid the installed pictures"
mkdir "$WORK/alone"
cp "$PREFIX/bin/klumpix" "$WORK/alone/"
status=0
(cd "$WORK/elsewhere" && "$WORK/alone/klumpix" --headless --ticks 12) 2>"$WORK/alone.err" || status=$?
[ "$status" = 1 ] || fail "a game without pictures ended with status $status"
# Each place is named with a picture it lacks: "PLACE (no PICTURE)".
for place in "none of: res" "$WORK/alone/res" "$WORK/share/klumpix/res" \
  "$WORK/share/games/klumpix/res"; do
  grep -qF "$place (no " "$WORK/alone.err" ||
    fail "$place is not named with a picture it lacks: $(cat "$WORK/alone.err")"
done
rmdir "$WORK/elsewhere/res"

# The launcher makes the data folder, runs the game in it and passes the
# arguments through.
(cd "$WORK/elsewhere" && XDG_DATA_HOME="$WORK/data" \
  "$PREFIX/bin/klumpix-launcher" --headless --ticks 12 --state state.json) ||
  fail "the launcher did not run the game"
[ -d "$WORK/data/klumpix" ] || fail "the launcher made no data folder"
[ -s "$WORK/data/klumpix/state.json" ] || fail "the game did not run in the data folder"
[ ! -e "$WORK/elsewhere/state.json" ] || fail "the game ran in the caller's folder"

# Without XDG_DATA_HOME the folder is ~/.local/share/klumpix.
(env -u XDG_DATA_HOME HOME="$WORK/home" "$PREFIX/bin/klumpix-launcher" --headless --ticks 1) ||
  fail "the launcher failed without XDG_DATA_HOME"
[ -d "$WORK/home/.local/share/klumpix" ] || fail "no data folder under ~/.local/share"
echo "PASS: installed game and launcher"
