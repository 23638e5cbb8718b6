#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each fuzz_* target for SECONDS
# (default 60), as many at a time as there are cores, starting from the seeds it writes itself. Ends
# with a table of runs, executions per second and the coverage reached ("cov:" edges, "ft:" features of
# libFuzzer's last status line). Exits non-zero on any finding; the input that caused it is printed and
# kept in build-fuzz/findings/<what>/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$top/build-fuzz

packages=(cmake ninja-build clang libclang-rt-14-dev qt6-base-dev libpng-dev zlib1g-dev)
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

fuzz_target() {
  local target=$1 what=${1##*/fuzz_}
  local corpus=$build/corpus/$what findings=$build/findings/$what
  mkdir -p "$corpus" "$findings"
  rm -f "$findings"/*
  local status=0
  KADRILLO_FUZZ_SEEDS=$corpus "$target" >"$build/fuzz_$what.log" 2>&1 &&
    "$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" >>"$build/fuzz_$what.log" 2>&1 || status=$?
  echo "$status" >"$build/fuzz_$what.status"
}

targets=("$build"/bin/fuzz_*)
lanes=$(nproc)
running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$lanes" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  echo "fuzz_${target##*/fuzz_}: $seconds s"
  fuzz_target "$target" &
  running=$((running + 1))
done
wait

status=0
table=$(printf '%-24s %12s %8s %6s %7s  %s' target runs exec/s cov ft findings)
for target in "${targets[@]}"; do
  what=${target##*/fuzz_}
  findings=$build/findings/$what
  log=$build/fuzz_$what.log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  last=$(grep ' cov: ' "$log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  found=$([ "$(cat "$build/fuzz_$what.status")" -eq 0 ] && echo 0 || echo 1)
  if [ "$found" -eq 0 ]; then
    echo "fuzz_$what: no finding in $runs runs ($speed exec/s, cov: $cov, ft: $ft)"
  else
    tail -n 60 "$log"
    for input in "$findings"/*; do
      [ -f "$input" ] || continue
      echo "--- input $input ($(stat -c %s "$input") bytes):"
      od -A x -t x1z -v "$input" | head -n 64
    done
    echo "fuzz_$what: FINDING, input kept in $findings/"
    status=1
  fi
  table+=$'\n'$(printf '%-24s %12s %8s %6s %7s  %s' "fuzz_$what" "${runs:--}" "${speed:--}" "${cov:--}" \
    "${ft:--}" "$([ "$found" -eq 0 ] && echo none || echo "FINDING in $findings/")")
done
echo
echo "$table"
exit "$status"
