#!/usr/bin/env bash
# Runs two benchmarks of kadrillo-bench together in ROUNDS fresh processes and prints the ratio of
# their times in each, then the median: one run's ratio swings with whatever ran just before it.
#   scripts/bench-ratio.sh MEASURED BASELINE [ROUNDS]
#   e.g. scripts/bench-ratio.sh 'DrawContactSheet/1/iterations:2' 'StartTheToolForEachPicture/1000/iterations:2' 7
set -euo pipefail

measured=$1
baseline=$2
rounds=${3:-5}
bench=${KADRILLO_BENCH:-build/bin/kadrillo-bench}

time_of() { awk -v name="$1" '$1 == name { print $2 }'; }

ratios=()
for _ in $(seq "$rounds"); do
  out=$("$bench" --benchmark_filter="^($measured|$baseline)\$" 2>/dev/null)
  a=$(time_of "$measured" <<<"$out")
  b=$(time_of "$baseline" <<<"$out")
  if [ -z "$a" ] || [ -z "$b" ]; then
    echo "no time for $measured or $baseline" >&2
    exit 1
  fi
  ratio=$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f", a / b }')
  ratios+=("$ratio")
  echo "$a $b $ratio"
done
printf '%s\n' "${ratios[@]}" | sort -n |
  awk '{ v[NR] = $1 } END { printf "median %.3f (from %.3f to %.3f)\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[1], v[NR] }'
