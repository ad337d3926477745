#!/usr/bin/env bash
# Watches recordings in the real window on a private virtual X server, as a
# person would with keys and clicks: a 36,000-tick recording paused, stepped,
# sped up to 16x, sought back to about tick 1000 (whose picture must be the
# one a headless run to that tick draws) and closed at its end; then a kept
# best game watched by a click on the first place's name, and the player's
# game going on afterwards. The player's table and settings stay untouched.
# Last, a game whose X server goes away keeps its recording and settings.
#
# usage: watch_window_test.sh KLUMPIX_EXECUTABLE RES_DIR REPLAY_DIR
set -euo pipefail

KLUMPIX=$(realpath "$1")
RES_DIR=$(realpath "$2")
REPLAY_DIR=$(realpath "$3")
# shellcheck source=tools/xsession.sh
source "$(dirname "$0")/xsession.sh"
xs_test_session watch "$RES_DIR"
export XDG_CONFIG_HOME="$WORK/config"
export KLUMPIX_TICK_LOG="$WORK/ticks.log"

# The player's own files, which watching must leave as they are.
(cd "$WORK" && "$KLUMPIX" --headless --input "$REPLAY_DIR/name_entry.txt" >/dev/null)
mkdir -p "$WORK/config/klumpix"
printf 'sound on\nvolume 30000\n' >"$WORK/config/klumpix/settings"
BEFORE=$(cd "$WORK" && md5sum groar.dat config/klumpix/settings)

# A board's game, then the hand off the mouse until tick 35,999.
{ cat "$REPLAY_DIR/board3.txt"; echo "35999 move 400 300"; } >"$WORK/long.txt"
END_TICK=$((35999 + 30))

last_watch() { grep '^watch ' "$WORK/ticks.log" | tail -n 1; }
watch_field() { last_watch | awk -v f="$1" '{print $f}'; }
key() {
  xdotool key --window "$GAME_WINDOW" "$@"
  sleep 0.3
}

xs_start_x
xs_start_game --watch long.txt
xs_wait_for 10 bash -c 'grep -q "^watch " "$0"' "$WORK/ticks.log" || xs_fail "nothing watched"
key space
[ "$(watch_field 4)" = 1 ] || xs_fail "Space did not pause: $(last_watch)"
PAUSED_AT=$(watch_field 2)
key Right Right Right
[ "$(watch_field 2)" = $((PAUSED_AT + 3)) ] || xs_fail "three steps from $PAUSED_AT: $(last_watch)"
key plus plus plus plus plus
[ "$(watch_field 3)" = 16 ] || xs_fail "not at 16x: $(last_watch)"
key space
sleep 1
AT_16=$(watch_field 2)
[ "$AT_16" -gt $((PAUSED_AT + 200)) ] || xs_fail "16x ran from $PAUSED_AT only to $AT_16"
echo "PASS: paused at $PAUSED_AT, stepped three ticks, 16x reached $AT_16 a second later"

# Seek back: the bar runs from x 80 to 600 over the whole recording.
key space
BAR_X=$((80 + 1000 * 520 / END_TICK))
xs_press "$BAR_X" 586
SOUGHT=$(watch_field 2)
[ "$SOUGHT" -ge 900 ] && [ "$SOUGHT" -le 1100 ] || xs_fail "the bar sought to $SOUGHT"
sleep 0.3
import -window "$GAME_WINDOW" "$WORK/sought.png"
(cd "$WORK" && "$KLUMPIX" --headless --input long.txt --ticks "$SOUGHT" --screenshot sought.bmp)
read -r CROP_X CROP_Y <<<"$(xs_window_xy 0 0)"
read -r END_X END_Y <<<"$(xs_window_xy 799 599)"
convert "$WORK/sought.png" -crop "$((END_X - CROP_X + 1))x$((END_Y - CROP_Y + 1))+$CROP_X+$CROP_Y" \
  +repage -sample '800x600!' -crop 800x570+0+0 +repage "$WORK/sought800.png"
convert "$WORK/sought.bmp" -crop 800x570+0+0 +repage "$WORK/sought_headless.png"
DIFF=$(compare -metric AE -fuzz 12% "$WORK/sought800.png" "$WORK/sought_headless.png" null: 2>&1 || true)
[ "${DIFF%%.*}" -le $((800 * 570 / 50)) ] || xs_fail "the picture at tick $SOUGHT differs ($DIFF pixels)"
echo "PASS: sought back to tick $SOUGHT, the picture a headless run draws there ($DIFF pixels off)"

key End
[ "$(watch_field 2)" = "$END_TICK" ] || xs_fail "End did not reach $END_TICK: $(last_watch)"
xs_press 500 300  # "close"
xs_wait_for 10 bash -c '! kill -0 "$0" 2>/dev/null' "$GAME_PID" || xs_fail "close did not end watching"
wait "$GAME_PID" || xs_fail "watching ended with status $?"
[ "$(cd "$WORK" && md5sum groar.dat config/klumpix/settings)" = "$BEFORE" ] && [ ! -e "$WORK/best" ] ||
  xs_fail "watching wrote the player's files"
echo "PASS: End reached tick $END_TICK, close ended watching, the player's files untouched"

# A kept best game, watched from the winners table while the player's game waits.
mkdir -p "$WORK/best"
{ echo "from 11"; cat "$REPLAY_DIR/name_entry.txt"; } >"$WORK/best/type3.txt"
: >"$WORK/ticks.log"
xs_start_game --seed 8
xs_wait_ticks 20 10
xs_press 700 478  # the first place's name
xs_wait_for 10 bash -c 'grep -q "^watch " "$0"' "$WORK/ticks.log" ||
  xs_fail "a click on the first place watched nothing (see $WORK/game.log)"
[ "$(watch_field 2)" -ge 11 ] || xs_fail "the kept game did not start at its from tick: $(last_watch)"
key End
xs_press 500 300  # "close"
xs_wait_ticks 10 5
echo "PASS: the first place's game was watched, and the player's game went on after"
xs_press 54 52  # EXIT
xs_wait_ticks 3 5
xs_press 323 348  # JA
xs_wait_for 10 bash -c '! kill -0 "$0" 2>/dev/null' "$GAME_PID" || xs_fail "JA did not end the game"

AFTER=$(cd "$WORK" && md5sum groar.dat)
[ "$AFTER" = "$(head -n 1 <<<"$BEFORE")" ] || xs_fail "watching changed groar.dat"
echo "PASS: the player's winners table is as it was"

# The X server going away ends the game as closing it does: the recording
# is whole and the settings are kept (the sound turned down below).
xs_start_game --seed 6 --record lost.txt
xs_wait_for 10 xs_shows_picture || xs_fail "the last window stayed black"
xs_press 450 27 3  # SOUND, right button: quieter
xs_wait_ticks 3 5
kill "${XS_PIDS[0]}"  # Xvfb
status=0
wait "$GAME_PID" || status=$?
[ "$status" != 0 ] || xs_fail "the game went on without its X server"
grep -q "^[0-9]* up right$" "$WORK/lost.txt" || xs_fail "the lost X server cut the recording short"
grep -qx "volume 29900" "$WORK/config/klumpix/settings" ||
  xs_fail "the lost X server lost the settings: $(tr '\n' '|' <"$WORK/config/klumpix/settings")"
echo "PASS: a lost X server ended the game (status $status) with its recording and settings kept"
