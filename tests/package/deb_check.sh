#!/usr/bin/env bash
# Checks the Debian package that `make deb` built: lintian finds no error or
# warning, the store metadata, the desktop entry and the man page pass their
# validators, and the game unpacked into a scratch root, started from another
# folder, finds its pictures there, runs, and keeps groar.dat where the README
# says.
#
# usage: deb_check.sh DEB_DIR
set -euo pipefail

DEB_DIR=$(realpath "$1")
deb=$(ls "$DEB_DIR"/klumpix_*_*.deb)
WORK=$(mktemp -d /tmp/klumpix-deb-check-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Every tag that stays is an informational one (see the package's notes).
lintian --fail-on error,warning "$deb" >"$WORK/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$WORK/lintian.log")"

ROOT="$WORK/root"
dpkg-deb -x "$deb" "$ROOT"
app=org.klumpix.klumpix
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$app.metainfo.xml" ||
  fail "the store metadata does not validate"
desktop-file-validate "$ROOT/usr/share/applications/$app.desktop" ||
  fail "the desktop entry does not validate"
for size in 16 32 48 64 128 256; do
  icon="$ROOT/usr/share/icons/hicolor/${size}x$size/apps/$app.png"
  [ "$(identify -format %wx%h "$icon")" = "${size}x$size" ] || fail "no $size pixel icon"
done

# The man page renders without a warning, for the game and the launcher.
for page in klumpix klumpix-launcher; do
  (cd "$ROOT/usr/share/man" && MANWIDTH=80 man --warnings -l "man6/$page.6"*) \
    >"$WORK/$page.txt" 2>"$WORK/man.err"
  [ ! -s "$WORK/man.err" ] || fail "man $page: $(cat "$WORK/man.err")"
  grep -q "groar.dat" "$WORK/$page.txt" || fail "man $page does not tell of groar.dat"
done

# The unpacked game, from a folder of its own: it finds its pictures under
# usr/share/games and runs headless.
mkdir "$WORK/elsewhere"
(cd "$WORK/elsewhere" && "$ROOT/usr/games/klumpix" --headless --ticks 12 --screenshot shot.bmp) ||
  fail "the packaged game did not run from another folder"
[ "$(stat -c %s "$WORK/elsewhere/shot.bmp")" -gt 1000000 ] || fail "no screenshot was written"
"$ROOT/usr/games/klumpix" --version | grep -qx "klumpix $(dpkg-deb -f "$deb" Version)" ||
  fail "the game's version is not the package's"

# Started as the menu starts it, a played game saves its winner into
# $XDG_DATA_HOME/klumpix/groar.dat. A table of empty places lets any score in.
data="$WORK/data/klumpix"
mkdir -p "$data"
head -c 976 /dev/zero >"$data/groar.dat"
cat >"$WORK/session.txt" <<'SCRIPT'
seed 99
11 move 50 196
12 down left
15 click
15 up left
160 move 150 132
161 down left
163 click
163 up left
170 move 114 246
171 down left
173 click
173 up left
200 move 54 546
201 down left
203 up left
210 move 305 370
211 down left
211 click
211 up left
230 move 52 398
231 down left
234 up left
SCRIPT
(cd "$WORK/elsewhere" && XDG_DATA_HOME="$WORK/data" \
  "$ROOT/usr/games/klumpix-launcher" --headless --input "$WORK/session.txt" --ticks 240) ||
  fail "the launcher did not run the game"
grep -q "K" "$data/groar.dat" || fail "the winner was not saved in $data/groar.dat"
[ ! -e "$WORK/elsewhere/groar.dat" ] || fail "groar.dat was written in the caller's folder"

# The server's package: lintian, its unit runs it as its own user, and the
# unpacked server keeps a table in a new SQLite file and answers on loopback.
server_deb=$(ls "$DEB_DIR"/klumpix-server_*_*.deb)
lintian --fail-on error,warning "$server_deb" >"$WORK/lintian-server.log" 2>&1 ||
  fail "lintian klumpix-server: $(cat "$WORK/lintian-server.log")"
SERVER_ROOT="$WORK/server-root"
dpkg-deb -x "$server_deb" "$SERVER_ROOT"
unit="$SERVER_ROOT/lib/systemd/system/klumpix-server.service"
grep -qx "DynamicUser=yes" "$unit" || fail "the service does not run as its own user"
grep -q "^ExecStart=/usr/sbin/klumpix-server " "$unit" || fail "the service does not start the server"
"$SERVER_ROOT/usr/sbin/klumpix-server" --version | grep -qx "klumpix-server $(dpkg-deb -f "$deb" Version)" ||
  fail "the server's version is not the package's"
"$SERVER_ROOT/usr/sbin/klumpix-server" --db "sqlite:$WORK/world.db" --listen 127.0.0.1:0 \
  >"$WORK/server.out" &
server=$!
for _ in $(seq 50); do
  grep -q "listening on" "$WORK/server.out" && break
  sleep 0.1
done
port=$(sed -n 's/.*listening on 127.0.0.1:\([0-9]*\)$/\1/p' "$WORK/server.out")
answer=$(exec 3<>"/dev/tcp/127.0.0.1/$port" &&
  printf 'GET /api/scores?type=3 HTTP/1.0\r\n\r\n' >&3 && tail -n 1 <&3)
kill "$server"
wait "$server" || true
[ "$answer" = '{"type": 3, "scores": []}' ] || fail "the packaged server answered: $answer"
[ -s "$WORK/world.db" ] || fail "the packaged server made no table"
echo "PASS: the Debian packages ($(basename "$deb"), $(basename "$server_deb"))"
