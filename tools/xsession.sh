# Shared by window_test.sh, watch_window_test.sh and measure_window.sh (sourced, not run): a private
# virtual X server with a small window manager, the game in a real window on
# it, and the mouse as a player would use it.
#
# The caller sets WORK (a scratch folder, the game's working directory) and
# KLUMPIX (the game executable), and calls xs_cleanup on exit.

XS_PIDS=()
GAME_PID=""
GAME_WINDOW=""

# Stops what we started, newest first, by process id only.
xs_cleanup() {
  local i
  for ((i = ${#XS_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${XS_PIDS[i]}" 2>/dev/null || true
  done
  for ((i = ${#XS_PIDS[@]} - 1; i >= 0; i--)); do
    wait "${XS_PIDS[i]}" 2>/dev/null || true
  done
}

# For the window tests: skips (exit 77) without the tools that drive the
# window; else makes WORK under /tmp/klumpix-$1-*, removed on exit unless
# KEEP_WORK is set, with the pictures of $2 linked into it.
xs_test_session() {
  local tool
  for tool in Xvfb xdotool xwininfo import convert compare matchbox-window-manager; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  WORK=$(mktemp -d "/tmp/klumpix-$1-XXXXXX")
  trap 'xs_cleanup; [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"' EXIT
  ln -s "$2" "$WORK/res"
}

xs_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits up to $1 seconds (in tenths) for the command after it to succeed.
xs_wait_for() {
  local tenths=$(($1 * 10))
  shift
  while ! "$@" >/dev/null 2>&1; do
    tenths=$((tenths - 1))
    [ "$tenths" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb on the first free display and a window manager, so that the
# game's window gets the input focus as it would on a desktop.
xs_start_x() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
  done
  export DISPLAY=":$n"
  Xvfb "$DISPLAY" -screen 0 "${XS_SCREEN:-800x600x24}" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
  XS_PIDS+=($!)
  xs_wait_for 10 xwininfo -root || xs_fail "Xvfb did not start on $DISPLAY (see $WORK/xvfb.log)"
  matchbox-window-manager -use_titlebar no -use_cursor no >"$WORK/wm.log" 2>&1 &
  XS_PIDS+=($!)
  sleep 0.3
}

xs_find_window() {
  GAME_WINDOW=$(xdotool search --pid "$GAME_PID" 2>/dev/null | head -n 1)
  [ -n "$GAME_WINDOW" ] && xwininfo -id "$GAME_WINDOW" | grep -q "IsViewable"
}

# Whether the game's window, looked up afresh, is as wide as the screen.
xs_covers_screen() {
  local root
  root=$(xwininfo -root | awk '/Width:/ {print $2}')
  xs_find_window && [ "$(xwininfo -id "$GAME_WINDOW" | awk '/Width:/ {print $2}')" = "$root" ]
}

# Starts the game in a window with the given arguments, waits for its window
# and gives it the focus. XS_FULL_SCREEN=1 leaves out --window: the game
# then covers the screen, as it does by default.
xs_start_game() {
  local mode=(--window)
  [ -n "${XS_FULL_SCREEN:-}" ] && mode=()
  # The launch time in microseconds (wall clock), for the time to the first picture.
  (cd "$WORK" && echo "${EPOCHREALTIME/./}" >launch_time &&
    exec env SDL_AUDIODRIVER=dummy "$KLUMPIX" "${mode[@]}" "$@") \
    >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
  XS_PIDS+=("$GAME_PID")
  xs_wait_for 15 xs_find_window || xs_fail "the game opened no window (see $WORK/game.log)"
  if [ -n "${XS_FULL_SCREEN:-}" ]; then
    # The first window shown full screen is replaced by another moments later.
    xs_wait_for 15 xs_covers_screen && sleep 1 && xs_wait_for 5 xs_covers_screen ||
      xs_fail "the game did not cover the screen"
  fi
  xs_focus_game
  XS_GEOMETRY=$(xwininfo -id "$GAME_WINDOW")
  XS_WIDTH=$(awk '/Width:/ {print $2}' <<<"$XS_GEOMETRY")
  XS_HEIGHT=$(awk '/Height:/ {print $2}' <<<"$XS_GEOMETRY")
}

xs_has_focus() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$GAME_WINDOW" ]
}

xs_focus_game() {
  xdotool windowactivate --sync "$GAME_WINDOW" >/dev/null 2>&1 || true
  xdotool windowfocus --sync "$GAME_WINDOW" >/dev/null 2>&1 || true
  xs_wait_for 5 xs_has_focus || xs_fail "the game's window did not get the focus"
}

# Hands the focus to the root window: the game's timer stops, the window
# keeps showing its last picture.
xs_unfocus_game() {
  xdotool windowfocus "$(xwininfo -root | awk '/Window id/ {print $4}')"
  xs_wait_for 5 bash -c '! [ "$(xdotool getwindowfocus 2>/dev/null)" = "$0" ]' "$GAME_WINDOW" ||
    xs_fail "the game's window kept the focus"
}

# Window position of picture pixel ($1, $2): the picture is scaled to fit the
# window with its aspect kept and centred.
xs_window_xy() {
  awk -v px="$1" -v py="$2" -v w="$XS_WIDTH" -v h="$XS_HEIGHT" 'BEGIN {
    s = w / 800; if (h / 600 < s) s = h / 600
    printf "%d %d\n", (w - 800 * s) / 2 + (px + 0.5) * s, (h - 600 * s) / 2 + (py + 0.5) * s
  }'
}

# A quick click over picture pixel ($1, $2), press and release a moment
# apart as click tools and fast hands make them; $3 is the button (default 1).
xs_press() {
  local xy
  xy=$(xs_window_xy "$1" "$2")
  # shellcheck disable=SC2086
  xdotool mousemove --window "$GAME_WINDOW" $xy
  sleep 0.1
  xdotool click "${3:-1}"
  sleep 0.1
}

# Number of ticks the game has run so far, from its tick log.
xs_ticks() {
  local n
  n=$(grep -c '^[0-9]' "$WORK/ticks.log" 2>/dev/null)
  echo "${n:-0}"
}

# Waits up to $2 seconds until the game has run $1 more ticks.
xs_wait_ticks() {
  local until=$(($(xs_ticks) + $1))
  xs_wait_for "$2" bash -c '[ "$(grep -c "^[0-9]" "$0")" -ge "$1" ]' \
    "$WORK/ticks.log" "$until" || xs_fail "the game ran fewer than $1 ticks in $2 s"
}

# The mean brightness (0..1) of the window's picture as it is shown now.
# Full screen, the game's first window is replaced by another, and import
# waits forever on a window that is gone: the window is looked up afresh,
# and a look that takes too long counts as none.
xs_window_brightness() {
  xs_find_window || return 1
  timeout 5 import -window "$GAME_WINDOW" "$WORK/peek.png" 2>/dev/null &&
    convert "$WORK/peek.png" -colorspace Gray -format "%[fx:mean]" info:
}

xs_shows_picture() {
  awk -v m="$(xs_window_brightness)" 'BEGIN { exit !(m > 0.02) }'
}
