#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each fuzz_* target for SECONDS
# (default 60), one after the other, starting from the seeds it writes itself. Ends with a table of
# runs, executions per second and the coverage reached ("cov:" edges, "ft:" features of libFuzzer's
# last status line). Exits non-zero on any finding; the input that caused it is kept in
# build-fuzz/findings/<what>/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$top/build-fuzz

packages=(cmake ninja-build clang libclang-rt-14-dev qt6-base-dev libpng-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ -f "$build/build.ninja" ] || CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DKADRILLO_FUZZ=ON
cmake --build "$build" -j"$(nproc)"

status=0
table=$(printf '%-20s %12s %8s %6s %7s  %s' target runs exec/s cov ft findings)
for target in "$build"/bin/fuzz_*; do
  what=${target##*/fuzz_}
  corpus=$build/corpus/$what
  findings=$build/findings/$what
  log=$build/fuzz_$what.log
  mkdir -p "$corpus" "$findings"
  KADRILLO_FUZZ_SEEDS=$corpus "$target"
  echo "fuzz_$what: $seconds s, corpus $corpus, log $log"
  found=0
  "$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" 2>"$log" || found=1
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  last=$(grep ' cov: ' "$log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  if [ "$found" -eq 0 ]; then
    echo "fuzz_$what: no finding in $runs runs ($speed exec/s, cov: $cov, ft: $ft)"
  else
    tail -n 60 "$log"
    echo "fuzz_$what: FINDING, input kept in $findings/"
    status=1
  fi
  table+=$'\n'$(printf '%-20s %12s %8s %6s %7s  %s' "fuzz_$what" "${runs:--}" "${speed:--}" "${cov:--}" \
    "${ft:--}" "$([ "$found" -eq 0 ] && echo none || echo "FINDING in $findings/")")
done
echo
echo "$table"
exit "$status"
