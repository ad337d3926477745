#!/usr/bin/env bash
# Plays a few moves in the real window, as a person would, on a private
# virtual X server: START, take the first store row once it has filled, set
# it down, look at the window, quit with EXIT and JA. Then replays the
# recorded input headless and checks that both runs reached the same board.
# Then the sound turned down in that run is still down in the next one, which
# an English locale plays in English.
# A game killed with SIGKILL keeps its recording up to a second before.
# Last, a start-up that fails with the window open still writes its recording.
#
# usage: window_test.sh KLUMPIX_EXECUTABLE RES_DIR
set -euo pipefail

KLUMPIX=$(realpath "$1")
RES_DIR=$(realpath "$2")
# shellcheck source=tools/xsession.sh
source "$(dirname "$0")/xsession.sh"
xs_test_session window "$RES_DIR"

# Picture pixels the player aims at (type 3 board, the one START builds).
START=(51 200)
STORE_ROW_1=(150 130)
DROP_FIELD=(114 246)
EXIT=(54 52)
SOUND=(450 27)
JA=(323 348)

xs_start_x
export XDG_CONFIG_HOME="$WORK/config"
export KLUMPIX_TICK_LOG="$WORK/ticks.log"
xs_start_game --seed 4242 --record rec.txt
xs_wait_for 10 xs_shows_picture || xs_fail "the window stayed black"
echo "window ${XS_WIDTH}x${XS_HEIGHT} on $DISPLAY shows the game"

xs_press "${START[@]}"
# The first store row fills about 131 ticks after START.
xs_wait_ticks 150 20
xs_press "${STORE_ROW_1[@]}"
xs_wait_ticks 5 5
xs_press "${DROP_FIELD[@]}"
xs_wait_ticks 15 5

# Without the focus the timer stops, so the picture holds still while we
# take it. The game has run SHOWN_TICK ticks, so a headless run of as many
# ticks must end on the same picture.
xs_unfocus_game
sleep 0.3
SHOWN_TICK=$(xs_ticks)
import -window "$GAME_WINDOW" "$WORK/window.png"
# A move while paused is stamped with the tick that has not run yet.
read -r EXIT_X EXIT_Y <<<"$(xs_window_xy "${EXIT[@]}")"
xdotool mousemove --window "$GAME_WINDOW" "$EXIT_X" "$EXIT_Y"
sleep 0.3
[ "$(xs_ticks)" = "$SHOWN_TICK" ] || xs_fail "the timer ran on without the focus"
xs_focus_game
xs_press "${SOUND[@]}" 3
xs_press "${EXIT[@]}"
xs_wait_ticks 3 5
xs_press "${JA[@]}"
xs_wait_for 10 bash -c '! kill -0 "$0" 2>/dev/null' "$GAME_PID" || xs_fail "JA did not end the game"
wait "$GAME_PID" || xs_fail "the game ended with status $? (see $WORK/game.log)"
[ -s "$WORK/rec.txt" ] || xs_fail "the game wrote no recording"
grep -q "^$SHOWN_TICK move ${EXIT[0]} ${EXIT[1]}\$" "$WORK/rec.txt" ||
  xs_fail "no move at tick $SHOWN_TICK in the recording: $(tr '\n' '|' <"$WORK/rec.txt")"

(cd "$WORK" && "$KLUMPIX" --headless --input rec.txt --ticks "$SHOWN_TICK" \
  --state state.json --screenshot headless.bmp) || xs_fail "the headless replay failed"
grep -q '"stones_placed": 3,' "$WORK/state.json" ||
  xs_fail "the replay did not set down three stones: $(grep -o '"stones_placed": [0-9]*' "$WORK/state.json")"
SCORE=$(grep -o '"score": [0-9-]*' "$WORK/state.json")

# The window's picture, letterbox cut off and scaled back to 800 x 600.
read -r CROP_X CROP_Y <<<"$(xs_window_xy 0 0)"
read -r END_X END_Y <<<"$(xs_window_xy 799 599)"
convert "$WORK/window.png" -crop "$((END_X - CROP_X + 1))x$((END_Y - CROP_Y + 1))+$CROP_X+$CROP_Y" \
  +repage -sample '800x600!' "$WORK/window800.png"

# Pixels that differ by more than a little, over the whole picture and over
# the playfield; a window at the picture's own size must match exactly.
ALL=$(compare -metric AE -fuzz 12% "$WORK/window800.png" "$WORK/headless.bmp" null: 2>&1 || true)
convert "$WORK/window800.png" -crop 660x480+120+100 +repage "$WORK/field_window.png"
convert "$WORK/headless.bmp" -crop 660x480+120+100 +repage "$WORK/field_headless.png"
FIELD=$(compare -metric AE -fuzz 12% "$WORK/field_window.png" "$WORK/field_headless.png" null: 2>&1 || true)
echo "tick $SHOWN_TICK, $SCORE, stones_placed 3; differing pixels: picture $ALL, playfield $FIELD"
if [ "$XS_WIDTH" = 800 ] && [ "$XS_HEIGHT" = 600 ]; then
  [ "$ALL" = 0 ] || xs_fail "the window and the replay show different pictures ($ALL pixels)"
else
  [ "${FIELD%%.*}" -le $((660 * 480 / 50)) ] ||
    xs_fail "the playfield differs between window and replay ($FIELD pixels)"
fi
echo "PASS: the window and its headless replay reached the same board"

# The settings of that run are kept: the next one starts with the quieter sound.
grep -qx "volume 34900" "$WORK/config/klumpix/settings" ||
  xs_fail "the lowered volume was not kept: $(tr '\n' '|' <"$WORK/config/klumpix/settings")"
: >"$WORK/ticks.log"
LC_ALL='' LC_MESSAGES='' LANG=en_US.UTF-8 xs_start_game --seed 7 --record rec2.txt
xs_wait_for 10 xs_shows_picture || xs_fail "the second window stayed black"
xs_press "${EXIT[@]}"
xs_wait_ticks 3 5
xs_press "${JA[@]}"
xs_wait_for 10 bash -c '! kill -0 "$0" 2>/dev/null' "$GAME_PID" || xs_fail "JA did not end the second game"
grep -q "^start sound on volume 34900 " "$WORK/rec2.txt" ||
  xs_fail "the second run did not start with the kept volume: $(head -n 2 "$WORK/rec2.txt" | tr '\n' '|')"
(cd "$WORK" && "$KLUMPIX" --headless --input rec2.txt --ticks 20 --state state2.json) ||
  xs_fail "the second replay failed"
grep -q ', "34900"\]' "$WORK/state2.json" ||
  xs_fail "the SOUND label does not show the kept volume"
grep -q "^start .* language en$" "$WORK/rec2.txt" && grep -q '"QUIT"' "$WORK/state2.json" ||
  xs_fail "LANG=en_US.UTF-8 did not play in English: $(head -n 2 "$WORK/rec2.txt" | tr '\n' '|')"
echo "PASS: the lowered sound was kept for the next run, played in English"

# A game killed outright keeps what it recorded up to a second before: the
# recording grows as the game goes and replays headless.
xs_start_game --seed 99 --record rec3.txt
xs_wait_for 10 xs_shows_picture || xs_fail "the third window stayed black"
xs_press "${START[@]}"
xs_wait_ticks 10 5
sleep 2
kill -9 "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
grep -q "^[0-9]* down left$" "$WORK/rec3.txt" ||
  xs_fail "the killed game's recording lacks its clicks: $(tr '\n' '|' <"$WORK/rec3.txt")"
(cd "$WORK" && "$KLUMPIX" --headless --input rec3.txt --state state3.json) ||
  xs_fail "the killed game's recording does not replay"
grep -q '"game_running": true' "$WORK/state3.json" || xs_fail "the replay did not start the game"
echo "PASS: a game killed with SIGKILL left a recording that replays"

# SIGHUP (the terminal closed) ends the game as SIGTERM does: the settings
# are kept and the recording is whole.
xs_start_game --seed 5 --record rec4.txt
xs_wait_for 10 xs_shows_picture || xs_fail "the fourth window stayed black"
xs_press "${SOUND[@]}" 3
kill -HUP "$GAME_PID"
status=0
wait "$GAME_PID" || status=$?
[ "$status" = 0 ] || xs_fail "SIGHUP ended the game with status $status"
grep -qx "volume 34800" "$WORK/config/klumpix/settings" ||
  xs_fail "SIGHUP lost the settings: $(tr '\n' '|' <"$WORK/config/klumpix/settings")"
grep -q "^[0-9]* up right$" "$WORK/rec4.txt" || xs_fail "SIGHUP cut the recording short"
echo "PASS: SIGHUP kept the settings and the recording"

# A game with no pictures anywhere fails at its first tick, after recording
# began; what it recorded is still written.
mkdir -p "$WORK/lonely/bin" "$WORK/lonely/run/res"
cp "$KLUMPIX" "$WORK/lonely/bin/klumpix"
(cd "$WORK/lonely/run" && exec env SDL_AUDIODRIVER=dummy ../bin/klumpix --window --seed 11 \
  --record rec.txt) >"$WORK/lonely.log" 2>&1 &
LONELY_PID=$!
XS_PIDS+=("$LONELY_PID")
for _ in $(seq 150); do
  kill -0 "$LONELY_PID" 2>/dev/null || break
  window=$(xdotool search --pid "$LONELY_PID" 2>/dev/null | head -n 1 || true)
  [ -z "$window" ] || xdotool windowactivate "$window" windowfocus "$window" >/dev/null 2>&1 || true
  sleep 0.1
done
kill "$LONELY_PID" 2>/dev/null || true
status=0
wait "$LONELY_PID" || status=$?
[ "$status" = 1 ] || xs_fail "the game without pictures ended with status $status: $(cat "$WORK/lonely.log")"
grep -q "pictures are in none of" "$WORK/lonely.log" || xs_fail "no message: $(cat "$WORK/lonely.log")"
grep -qx "seed 11" "$WORK/lonely/run/rec.txt" 2>/dev/null ||
  xs_fail "the failed start-up wrote no recording"
echo "PASS: a failed start-up still wrote its recording"
