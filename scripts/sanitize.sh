#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs every
# test there, two at a time. A test passes only when CTest passes it and no process it started (the
# program, kadrillo-batch, the stand-ins) wrote a report: reports go to files, because a child's stderr
# may be read by the test or thrown away. They are kept in build-asan/sanitizer-reports/<test>/.
# An optional argument runs only the tests whose names match that regular expression.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-asan
bash "$top/scripts/deps.sh"
[ -f "$build/build.ninja" ] || cmake -S "$top" -B "$build" -G Ninja -DKADRILLO_SANITIZE=ON
cmake --build "$build" -j"$(nproc)"

reports=$build/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
# The slowest tests of the last run start first, so the two lanes end close together.
times=$build/sanitize-test-seconds.txt
mapfile -t tests < <(
  ctest --test-dir "$build" -N -R "${1:-.}" | sed -n 's/^ *Test *#[0-9]*: //p' |
    while read -r name; do
      echo "$(sed -n "s/^$name //p" "$times" 2>/dev/null || true) $name"
    done | sort -rn | awk '{ print $NF }')

run_test() {
  local name=$1 dir=$reports/$1 common start
  common="halt_on_error=1:print_stacktrace=1:log_path=$dir/report:log_exe_name=1"
  mkdir -p "$dir"
  start=$(date +%s)
  set +e
  # Whole stacks, also through system libraries built without frame pointers: suppressions match on them.
  ASAN_OPTIONS="$common:detect_leaks=1:fast_unwind_on_malloc=0" \
    LSAN_OPTIONS="suppressions=$top/scripts/sanitize-leaks.supp:print_suppressions=0" \
    UBSAN_OPTIONS="$common" \
    ctest --test-dir "$build" -R "^$name\$" --output-on-failure >"$dir/ctest.log" 2>&1
  echo $? >"$dir/status"
  echo $(($(date +%s) - start)) >"$dir/seconds"
}

running=0
for name in "${tests[@]}"; do
  if [ "$running" -ge 2 ]; then
    wait -n
    running=$((running - 1))
  fi
  run_test "$name" &
  running=$((running + 1))
done
wait

failed=()
for name in "${tests[@]}"; do
  dir=$reports/$name
  found=$(find "$dir" -name 'report.*' | sort)
  { grep -v "^$name " "$times" 2>/dev/null || true; echo "$name $(cat "$dir/seconds")"; } >"$times.new"
  mv "$times.new" "$times"
  if [ "$(cat "$dir/status")" -eq 0 ] && [ -z "$found" ]; then
    echo "passed  $(cat "$dir/seconds") s  $name"
    continue
  fi
  failed+=("$name")
  echo "FAILED  $(cat "$dir/seconds") s  $name (CTest status $(cat "$dir/status"))"
  tail -n 80 "$dir/ctest.log"
  for report in $found; do
    echo "--- ${report#"$reports/"}"
    head -n 60 "$report"
  done
done
echo "${#tests[@]} tests, $((${#tests[@]} - ${#failed[@]})) passed with no sanitizer report${failed[*]:+; failed: ${failed[*]}}"
[ ${#failed[@]} -eq 0 ]
