#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/), runs each pair of
# programs alternately, and prints medians and ratios.
#
#   bench/run.sh                 build, then measure on offscreen and under Xvfb
#   RUNS=60 bench/run.sh         more start-up runs (default 40 of each program)
#   VIEW_RUNS=40 VIEW_ITERATIONS=100 bench/run.sh   (default 30 runs of 50 clicks)
#   GROWTH_RUNS=3 bench/run.sh   more long runs for memory growth (default 1; 0 skips them)
#   PLATFORMS=offscreen bench/run.sh
#   NO_BUILD=1 bench/run.sh      measure what is built
#   BENCH_CPU=3 bench/run.sh     pin every measured program to one CPU (taskset)
#
# Raw results stay in build-bench/bench-results/<time>/, one line per run.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${BUILD_DIR:-$root/build-bench}
RUNS=${RUNS:-40}
VIEW_RUNS=${VIEW_RUNS:-30}
VIEW_ITERATIONS=${VIEW_ITERATIONS:-50}
WARMUP=${WARMUP:-3}
GROWTH_RUNS=${GROWTH_RUNS:-1}
GROWTH_CHECKPOINT=${GROWTH_CHECKPOINT:-1000}
GROWTH_CLICKS=${GROWTH_CLICKS:-8000}
PLATFORMS=${PLATFORMS:-"offscreen xcb"}
XVFB_DISPLAY=${XVFB_DISPLAY:-91}

if [[ -z ${NO_BUILD:-} ]]; then
  generator=()
  if command -v ninja >/dev/null && [[ ! -f $build/CMakeCache.txt ]]; then
    generator=(-G Ninja)
  fi
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DVX_BENCH=ON -DVX_TESTS=OFF >/dev/null
  cmake --build "$build" --target benchmarks >/dev/null
fi

bin=$build/bench
pin=()
if [[ -n ${BENCH_CPU:-} ]]; then
  pin=(taskset -c "$BENCH_CPU")
fi
out=$build/bench-results/$(date +%Y%m%d-%H%M%S)
mkdir -p "$out"
export XDG_RUNTIME_DIR=$out/xdg-runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

xvfb_pid=
cleanup() {
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

start_xvfb() {
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipping xcb" >&2; return 1; }
  local socket=/tmp/.X11-unix/X$XVFB_DISPLAY
  if [[ -e $socket ]]; then
    echo "display :$XVFB_DISPLAY is taken; set XVFB_DISPLAY to a free number" >&2
    return 1
  fi
  Xvfb ":$XVFB_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [[ -e $socket ]] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start (see $out/xvfb.log): skipping xcb" >&2
  return 1
}

# One measured run: the launcher's line and the program's own, joined.
run_once() { # log program [args...]
  local log=$1
  shift
  local line
  if ! line=$("${pin[@]}" "$bin/vx_bench_launch" "$@" 2>>"$out/stderr.log" | tr '\n' ' '); then
    echo "failed: $* ($line); see $out/stderr.log" >&2
    exit 1
  fi
  echo "$line" >>"$log"
}

# Alternates the two programs, swapping which goes first on every round, so
# that drift of the machine falls on both alike.
alternate() { # rounds bare-log vx-log bare-cmd vx-cmd args...
  local rounds=$1 bare_log=$2 vx_log=$3 bare=$4 vx=$5
  shift 5
  for i in $(seq "$rounds"); do
    if ((i % 2)); then
      run_once "$bare_log" "$bin/$bare" "$@"
      run_once "$vx_log" "$bin/$vx" "$@"
    else
      run_once "$vx_log" "$bin/$vx" "$@"
      run_once "$bare_log" "$bin/$bare" "$@"
    fi
  done
}

median() { # log key
  grep -oE "(^| )$2=[0-9.]+" "$1" | cut -d= -f2 | sort -g |
    awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The median of user_ms + sys_ms over the runs of a log.
median_cpu() { # log
  awk '{ s = 0; for (i = 1; i <= NF; i++) { split($i, kv, "="); if (kv[1] == "user_ms" || kv[1] == "sys_ms") s += kv[2] } print s }' "$1" |
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The median over the runs of a log of how far peak memory grew from the
# checkpoint to the end of the run.
median_growth() { # log
  awk '{ c = f = ""; for (i = 1; i <= NF; i++) { split($i, kv, "="); if (kv[1] == "checkpoint_peak_rss_kb") c = kv[2]; if (kv[1] == "final_peak_rss_kb") f = kv[2] } if (c != "" && f != "") print f - c }' "$1" |
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The spread of the per-round ratios vx/bare of one figure: quartiles.
ratio_spread() { # bare-log vx-log key
  paste <(grep -oE "(^| )$3=[0-9.]+" "$1" | cut -d= -f2) <(grep -oE "(^| )$3=[0-9.]+" "$2" | cut -d= -f2) |
    awk '$1 > 0 { print $2 / $1 }' | sort -g |
    awk '{ v[NR] = $1 } END { if (NR) printf "per-round ratio: min %.3f, quartiles %.3f %.3f %.3f, max %.3f", v[1], v[int(NR / 4) + 1], v[int(NR / 2) + 1], v[int(3 * NR / 4) + 1], v[NR] }'
}

row() { # platform label bare vx target
  awk -v p="$1" -v l="$2" -v b="$3" -v x="$4" -v t="$5" 'BEGIN {
    r = b > 0 ? x / b : 0
    verdict = t == "-" ? "" : (r <= t ? "ok" : "OVER")
    printf "%-10s %-34s %11.2f %11.2f %7.3f %7s  %s\n", p, l, b, x, r, t, verdict
  }'
}

table=$out/table.txt
printf "%-10s %-34s %11s %11s %7s %7s\n" platform measure bare vexorin ratio target >"$table"

for platform in $PLATFORMS; do
  if [[ $platform == xcb ]]; then
    start_xvfb || continue
    export DISPLAY=:$XVFB_DISPLAY
  fi
  export QT_QPA_PLATFORM=$platform
  echo "measuring on $platform: $WARMUP warm-up rounds, $RUNS start-up rounds," \
    "$VIEW_RUNS View rounds of $VIEW_ITERATIONS clicks" >&2

  alternate "$WARMUP" /dev/null /dev/null bare_startup vx_startup
  alternate "$RUNS" "$out/$platform.bare_startup" "$out/$platform.vx_startup" bare_startup vx_startup
  alternate 1 /dev/null /dev/null bare_view vx_view "$VIEW_ITERATIONS"
  alternate "$VIEW_RUNS" "$out/$platform.bare_view" "$out/$platform.vx_view" bare_view vx_view "$VIEW_ITERATIONS"
  # Long runs: peak memory after GROWTH_CHECKPOINT and after GROWTH_CLICKS
  # View/Close cycles, both inside one process.
  g_bare=$out/$platform.bare_growth g_vx=$out/$platform.vx_growth
  : >"$g_bare"
  : >"$g_vx"
  if ((GROWTH_RUNS > 0)); then
    echo "measuring memory growth on $platform: $GROWTH_RUNS rounds of $GROWTH_CLICKS clicks" >&2
    alternate "$GROWTH_RUNS" "$g_bare" "$g_vx" bare_view vx_view "$GROWTH_CLICKS" "$GROWTH_CHECKPOINT"
  fi

  s_bare=$out/$platform.bare_startup s_vx=$out/$platform.vx_startup
  v_bare=$out/$platform.bare_view v_vx=$out/$platform.vx_view
  {
    row "$platform" "start-up wall time, ms" "$(median "$s_bare" wall_ms)" "$(median "$s_vx" wall_ms)" 1.10
    row "$platform" "start-up peak RSS, KiB" "$(median "$s_bare" peak_rss_kb)" "$(median "$s_vx" peak_rss_kb)" 1.10
    row "$platform" "  launch to first paint, ms" "$(median "$s_bare" first_paint_ms)" "$(median "$s_vx" first_paint_ms)" -
    row "$platform" "  CPU time (user+sys), ms" "$(median_cpu "$s_bare")" "$(median_cpu "$s_vx")" -
    row "$platform" "View to first paint (warm), ms" \
      "$(median "$v_bare" warm_click_to_paint_median_ms)" "$(median "$v_vx" warm_click_to_paint_median_ms)" 1.2
    printf "%-10s   %s\n" "" "$(ratio_spread "$v_bare" "$v_vx" warm_click_to_paint_median_ms)"
    row "$platform" "  View to frame done (warm), ms" \
      "$(median "$v_bare" warm_click_to_frame_median_ms)" "$(median "$v_vx" warm_click_to_frame_median_ms)" -
    row "$platform" "  View click returned (warm), ms" \
      "$(median "$v_bare" warm_click_to_return_median_ms)" "$(median "$v_vx" warm_click_to_return_median_ms)" -
    row "$platform" "  first View of a run, ms" \
      "$(median "$v_bare" first_click_to_paint_ms)" "$(median "$v_vx" first_click_to_paint_ms)" -
    if ((GROWTH_RUNS > 0)); then
      row "$platform" "peak RSS after $GROWTH_CHECKPOINT Views, KiB" \
        "$(median "$g_bare" checkpoint_peak_rss_kb)" "$(median "$g_vx" checkpoint_peak_rss_kb)" -
      row "$platform" "peak RSS after $GROWTH_CLICKS Views, KiB" \
        "$(median "$g_bare" final_peak_rss_kb)" "$(median "$g_vx" final_peak_rss_kb)" -
      row "$platform" "  growth between them, KiB" "$(median_growth "$g_bare")" "$(median_growth "$g_vx")" 1.05
    fi
  } >>"$table"

  if [[ $platform == xcb ]]; then
    cleanup
    xvfb_pid=
    unset DISPLAY
  fi
done

echo
echo "medians: start-up over $RUNS runs of each program; View over $VIEW_RUNS runs of each," \
  "each the median of $((VIEW_ITERATIONS - 1)) warm clicks (the first click of a run is shown apart)"
if ((GROWTH_RUNS > 0)); then
  echo "memory growth: median over $GROWTH_RUNS runs of each program of the peak RSS after $GROWTH_CLICKS" \
    "View/Close cycles less that after $GROWTH_CHECKPOINT, in the same process"
fi
cat "$table"
echo "raw results: $out"
