#!/usr/bin/env bash
# Figures of the game as a player runs it, in a real window on a private
# virtual X server, on the play screen after START: CPU use, tick pacing,
# peak memory and the time from launch to the first picture.
#
# usage: measure_window.sh [KLUMPIX_EXECUTABLE [RES_DIR]]
#   SECONDS_MEASURED   how long to watch the play screen (default 30)
#   XS_SCREEN          the virtual screen, e.g. 1920x1080x24 (default 800x600x24)
#   XS_FULL_SCREEN=1   the game as it starts by default, covering the screen,
#                      instead of in an 800 x 600 window
#   SDL_RENDER_DRIVER  and other SDL variables are passed on to the game
set -euo pipefail

HERE=$(dirname "$(realpath "$0")")
KLUMPIX=$(realpath "${1:-$HERE/../build/klumpix}")
RES_DIR=$(realpath "${2:-$(dirname "$KLUMPIX")/res}")
MEASURED=${SECONDS_MEASURED:-30}

WORK=$(mktemp -d /tmp/klumpix-measure-XXXXXX)
# shellcheck source=tools/xsession.sh
source "$HERE/xsession.sh"
trap 'xs_cleanup; rm -rf "$WORK"' EXIT
ln -s "$RES_DIR" "$WORK/res"

# The game's own start values, not a settings file of whoever measures.
export XDG_CONFIG_HOME="$WORK/config"
xs_start_x
export KLUMPIX_TICK_LOG="$WORK/ticks.log"
xs_start_game --seed 1
xs_wait_for 10 xs_shows_picture || xs_fail "the window stayed black"
xs_press 51 200  # START
sleep 1

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat"; }
before_cpu=$(cpu_ticks)
before_ticks=$(xs_ticks)
sleep "$MEASURED"
after_cpu=$(cpu_ticks)
after_ticks=$(xs_ticks)
peak_kib=$(awk '/VmHWM/ { print $2 }' "/proc/$GAME_PID/status")
xs_has_focus || xs_fail "the window lost the focus while measured"

echo "$([ -n "${XS_FULL_SCREEN:-}" ] && echo "full screen" || echo window) ${XS_WIDTH}x${XS_HEIGHT}, screen ${XS_SCREEN:-800x600x24}," \
  "SDL_RENDER_DRIVER=${SDL_RENDER_DRIVER:-SDL decides}, $MEASURED s on the play screen"
awk -v c=$((after_cpu - before_cpu)) -v hz="$(getconf CLK_TCK)" -v s="$MEASURED" \
  'BEGIN { printf "cpu use:           %.1f %% of one core\n", 100 * c / hz / s }'
echo "ticks run:         $((after_ticks - before_ticks))"
grep '^[0-9]' "$WORK/ticks.log" | sed -n "$((before_ticks + 1)),${after_ticks}p" |
  awk 'NR > 1 { print ($1 - last) / 1000 } { last = $1 }' | sort -n |
  awk '{ v[NR] = $1 } END {
    printf "tick interval:     median %.1f ms, 99th percentile %.1f ms, max %.1f ms\n",
      v[int((NR + 1) / 2)], v[int(NR * 0.99 + 0.999)], v[NR] }'
awk -v k="$peak_kib" 'BEGIN { printf "peak memory:       %.1f MiB (VmHWM)\n", k / 1024 }'
launch=$(cat "$WORK/launch_time")
first=$(awk '/^first_picture/ { print $3 }' "$WORK/ticks.log")
awk -v a="$launch" -v b="$first" \
  'BEGIN { printf "first picture:     %.0f ms after launch\n", (b - a) / 1000 }'
