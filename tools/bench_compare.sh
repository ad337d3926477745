#!/bin/bash
# Builds the benchmarks of a base commit beside the current tree and runs both
# in one go, each benchmark the two share taken in turn (base, then current),
# and prints the ratio of their median CPU times (on a machine shared with
# other work, the time the benchmark itself got, not the wall clock).
#   tools/bench_compare.sh BASE CURRENT_BENCH [SCRATCH] [REPETITIONS] [FILTER]
set -euo pipefail

base=$1
current=$2
scratch=${3:-build-bench-base}
repetitions=${4:-3}
filter=${5:-.}

root=$(git rev-parse --show-toplevel)
tree="$root/$scratch/tree"
build="$root/$scratch/build"
commit=$(git rev-parse --verify "$base^{commit}")

# The base's sources in a worktree of their own, moved to the base commit.
if [ -d "$tree" ]; then
  git -C "$tree" checkout --quiet --detach "$commit"
else
  git worktree add --quiet --detach "$tree" "$commit"
fi
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target klumpix_bench klumpix_busy_ticks
base_bench="$build/klumpix_bench"

names() { "$1" --benchmark_list_tests=true --benchmark_filter="$filter"; }
shared=$(comm -12 <(names "$base_bench" | sort) <(names "$current" | sort))
[ -n "$shared" ] || { echo "bench-compare: no benchmark in both builds"; exit 1; }

out="$root/$scratch/results"
rm -rf "$out"
mkdir -p "$out"
for name in $shared; do
  for side in base current; do
    bin=$base_bench
    [ $side = current ] && bin=$current
    "$bin" --benchmark_filter="^$name\$" --benchmark_repetitions="$repetitions" \
      --benchmark_format=json >"$out/$side-$name.json" 2>/dev/null
  done
done

python3 - "$out" "$commit" $shared <<'EOF'
import json, statistics, sys
out, commit, names = sys.argv[1], sys.argv[2], sys.argv[3:]
def median_ns(side, name):
    runs = json.load(open(f"{out}/{side}-{name}.json"))["benchmarks"]
    times = [r["cpu_time"] * {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[r["time_unit"]]
             for r in runs if r.get("run_type") == "iteration"]
    return statistics.median(times)
print(f"base {commit[:10]} against the current tree: median CPU time per iteration")
print(f"{'benchmark':<32} {'base':>12} {'current':>12} {'base/current':>13}")
for name in names:
    b, c = median_ns("base", name), median_ns("current", name)
    print(f"{name:<32} {b/1e3:>9.1f} us {c/1e3:>9.1f} us {b/c:>12.2f}x")
EOF

# Google Benchmark runs each side for as many ticks as fit its time, so a
# faster tree plays further into the busy game than the base. The standalone
# busy game plays the same ticks of the same game on both sides: each run a
# fresh process, base and current in turn, the median of the runs.
busy_ticks=${BUSY_TICKS:-3000}
for run in $(seq "$repetitions"); do
  for side in base current; do
    bin="$build/klumpix_busy_ticks"
    [ $side = current ] && bin="$(dirname "$current")/klumpix_busy_ticks"
    "$bin" 1 "$busy_ticks" | sed -n 's/^busy game: median \([0-9.]*\) ms.*/\1/p' >>"$out/busy-$side"
  done
done
python3 - "$out" "$busy_ticks" <<'EOF'
import statistics, sys
out, ticks = sys.argv[1], sys.argv[2]
b, c = (statistics.median(float(v) for v in open(f"{out}/busy-{side}")) for side in ("base", "current"))
print(f"{'busy game, the same ' + ticks + ' ticks':<32} {b*1e3:>9.1f} us {c*1e3:>9.1f} us {b/c:>12.2f}x")
EOF
