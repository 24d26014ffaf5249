#!/usr/bin/env bash
# Runs every benchmark workload, each in a process of its own so that the peak
# memory printed belongs to that workload alone, then times `tolvern check` on
# 2000 small composition files. Called by `./run bench` after the Release build.
#   scripts/bench.sh [WORKLOAD...]    (default: all, and the check timing)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${TOLVERN_BUILD:-build}"
BENCH="$BUILD/tolvern_bench"
[ -x "$BENCH" ] || { echo "bench: $BENCH is not built (configure with -DTOLVERN_BENCH=ON)" >&2; exit 1; }

# Single-core workloads run on one processor (TOLVERN_BENCH_CPU, default 0):
# on a virtual machine the processors need not be equally fast, and a
# workload that moves between them measures both at once.
PIN=()
if command -v taskset >/dev/null; then PIN=(taskset -c "${TOLVERN_BENCH_CPU:-0}"); fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

workloads=("$@")
[ ${#workloads[@]} -eq 0 ] && workloads=(repeats distinct long reading peal everyrow methods check gui)

echo "TOLVERN benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "Times are medians; every workload runs on one core (processor ${TOLVERN_BENCH_CPU:-0}) unless said otherwise."
echo

for workload in "${workloads[@]}"; do
  case "$workload" in
    check)
      files=2000
      "$BENCH" check-files "$work/files" "$files"
      times=()
      for run in 1 2 3 4 5 6 7; do
        start=$(date +%s%N)
        status=0
        "$BUILD/tolvern" check "$work/files" >"$work/check.txt" || status=$?
        end=$(date +%s%N)
        # The files hold some false, short and faulty touches: status 1 is expected.
        [ "$status" -le 1 ] || { echo "check: exit status $status" >&2; exit 1; }
        times+=($(( (end - start) / 1000 )))
      done
      median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 4p)
      lines=$(wc -l <"$work/check.txt")
      echo "check: tolvern check on a folder of $files small compositions (4 to 12 bells), all cores"
      printf '  %-22s %s\n' "files proved" "$lines (one line each)"
      printf '  %-22s %s\n' "wall seconds" "$(awk -v us="$median" 'BEGIN { printf "%.3f", us / 1e6 }') (median of 7 runs, process start to exit)"
      printf '  %-22s %s\n' "target" "< 1 second: $(awk -v us="$median" 'BEGIN { print (us < 1e6 ? "met" : "NOT met") }')"
      ;;
    everyrow)
      "${PIN[@]}" "$BENCH" everyrow --out "$work/everyrow.txt"
      ;;
    gui)
      if [ -x "$BUILD/tolvern_gui_bench" ]; then
        QT_QPA_PLATFORM=offscreen "${PIN[@]}" "$BUILD/tolvern_gui_bench"
      else
        echo "gui: $BUILD/tolvern_gui_bench is not built (configure with -DTOLVERN_GUI=ON)"
      fi
      ;;
    *)
      "${PIN[@]}" "$BENCH" "$workload"
      ;;
  esac
  echo
done
