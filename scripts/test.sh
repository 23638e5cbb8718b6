#!/usr/bin/env bash
# Builds everything and runs every test; the last line printed is CTest's summary.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/build.sh"
log=$(mktemp)
set +e
(cd "$top/build" && ctest --output-on-failure -j2) 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e
summary=$(grep -E '[0-9]+% tests passed' "$log" | tail -n 1)
rm -f "$log"
echo "${summary:-CTest printed no summary}"
exit "$status"
