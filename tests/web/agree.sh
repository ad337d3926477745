#!/usr/bin/env bash
# Plays the same scripts with the native game and with its WebAssembly build
# under Node.js, each headless in a fresh folder, and requires every output
# to agree byte for byte: exit status, what was printed, the state dump, the
# trace, the screenshot and groar.dat. A disagreement names the script and
# the first tick whose trace line differs, and the run fails.
#
# usage: agree.sh NODE NODE_PROGRAM GAME RES_DIR HAND_SCRIPTS [--replays DIR] [--hand COUNT TICKS]
#   --replays DIR      the recorded sessions DIR/*.txt, played as the replay test plays them
#   --hand COUNT TICKS COUNT scripts of the restless hand (seeds 1..COUNT), TICKS each
# Without node or the WebAssembly build the run is skipped (exit 77), or
# fails where every test must run (KLUMPIX_NO_SKIPS=1, as CI sets it).
set -u
node=$1 node_program=$2 game=$3 res=$4 hand_scripts=$5
shift 5
replays="" hand_count=0 hand_ticks=0
while [ $# -gt 0 ]; do
  case $1 in
    --replays) replays=$2; shift 2 ;;
    --hand) hand_count=$2 hand_ticks=$3; shift 3 ;;
    *) echo "agree: unknown argument '$1'"; exit 2 ;;
  esac
done

missing=()
command -v "$node" >/dev/null 2>&1 || missing+=("node")
[ -f "$node_program" ] || missing+=("$node_program (make web)")
if [ ${#missing[@]} -gt 0 ]; then
  echo "agree: skipped: missing ${missing[*]}; make test installs and builds them"
  [ -n "${KLUMPIX_NO_SKIPS:-}" ] && exit 1
  exit 77
fi

# The plays run in folders of their own.
node_program=$(realpath "$node_program") game=$(realpath "$game") res=$(realpath "$res")
hand_scripts=$(realpath "$hand_scripts")
work=$(mktemp -d "${TMPDIR:-/tmp}/klumpix-agree.XXXXXX")
mkdir -p "$work/scripts"
for side in native wasm; do
  mkdir -p "$work/$side"
  ln -s "$res" "$work/$side/res"
done
outputs=(status stdout stderr state.json trace.json picture.bmp groar.dat)

# Plays script $2 with options $3... on side $1 (its folder emptied first).
play() {
  local side=$1 script=$2
  shift 2
  local dir=$work/$side
  (cd "$dir" && rm -f "${outputs[@]}" &&
    if [ "$side" = native ]; then
      "$game" --headless --input "$script" "$@" --check --state state.json \
        --trace trace.json --screenshot picture.bmp >stdout 2>stderr
    else
      "$node" "$node_program" --input "$script" "$@" --check --state state.json \
        --trace trace.json --screenshot picture.bmp >stdout 2>stderr
    fi
    echo $? >status)
}

# Line $2 of side $1's trace; nothing where the side wrote no such line.
trace_line() {
  sed -n "${2}p" "$work/$1/trace.json" 2>/dev/null
}

# The number of the first line where the two traces differ, or nothing.
first_differing_line() {
  cat "$work/native/trace.json" 2>/dev/null | awk -v other="$work/wasm/trace.json" '
    { if ((getline line < other) <= 0 || line != $0) { print NR; found = 1; exit } }
    END { if (!found && (getline line < other) > 0) print NR + 1 }'
}

# The tick a trace line is of, from the line of whichever side has it.
tick_of_line() {
  local line
  line=$(trace_line native "$1")
  [ -n "$line" ] || line=$(trace_line wasm "$1")
  printf '%s\n' "$line" | sed -n 's/^{"tick": \([0-9]*\).*/\1/p'
}

failures=0
# Compares what both sides left for `script`; prints a disagreement and
# returns 1. A script the native game itself cannot play is one too: two
# runs that fail alike prove nothing.
compare() {
  local script=$1 differ=()
  if [ "$(cat "$work/native/status")" != 0 ] || [ ! -s "$work/native/trace.json" ]; then
    differ+=("native-run-failed")
  fi
  for f in "${outputs[@]}"; do
    local a=$work/native/$f b=$work/wasm/$f
    if [ -e "$a" ] || [ -e "$b" ]; then
      cmp -s "$a" "$b" || differ+=("$f")
    fi
  done
  [ ${#differ[@]} -eq 0 ] && return 0
  failures=$((failures + 1))
  local kept=$work/failed_$failures
  mkdir -p "$kept"
  cp "$script" "$kept/"
  for side in native wasm; do
    mkdir -p "$kept/$side"
    for f in "${outputs[@]}"; do [ -e "$work/$side/$f" ] && cp "$work/$side/$f" "$kept/$side/"; done
  done
  echo "DISAGREE: $script"
  echo "  differing: ${differ[*]} (both sides' outputs kept in $kept)"
  local n
  n=$(first_differing_line)
  if [ -n "$n" ]; then
    echo "  first differing tick: $(tick_of_line "$n") (trace line $n)"
    echo "  native: $(trace_line native "$n" | cut -c1-300)"
    echo "  wasm:   $(trace_line wasm "$n" | cut -c1-300)"
  else
    echo "  the traces agree on every tick"
  fi
  case " ${differ[*]} " in
    *" status "* | *" stdout "* | *" stderr "* | *" native-run-failed "*)
      for side in native wasm; do
        echo "  $side run: exit status $(cat "$work/$side/status"), printed:" \
          "$(cat "$work/$side/stdout" "$work/$side/stderr" | head -c 300)"
      done
      ;;
  esac
  return 1
}

# Both sides at once: one core each.
play_both() {
  play native "$@" &
  play wasm "$@"
  wait
  compare "$1"
}

played=0 ticks=0
start=$(date +%s)
if [ -n "$replays" ]; then
  for script in "$replays"/*.txt; do
    [ "$(basename "$script")" = expected.txt ] && continue
    play_both "$(realpath "$script")" || true
    played=$((played + 1))
    ticks=$((ticks + $(cat "$work/native/trace.json" 2>/dev/null | wc -l)))
  done
fi
for seed in $(seq 1 "$hand_count"); do
  if ! "$hand_scripts" "$work/scripts" 1 "$hand_ticks" "$seed"; then
    echo "agree: $hand_scripts could not write the script of seed $seed"
    exit 1
  fi
  script=$work/scripts/hand_$seed.txt
  if play_both "$script" --ticks "$hand_ticks"; then
    rm -f "$script"
  else
    echo "  (made by: $hand_scripts DIR 1 $hand_ticks $seed)"
  fi
  played=$((played + 1))
  ticks=$((ticks + $(cat "$work/native/trace.json" 2>/dev/null | wc -l)))
done

echo "agree: $played scripts, $ticks ticks traced, $failures disagreeing, $(($(date +%s) - start)) s"
if [ "$failures" -gt 0 ]; then
  echo "agree: the disagreements are kept in $work"
  exit 1
fi
rm -rf "$work"
exit 0
