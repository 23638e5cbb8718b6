#!/usr/bin/env bash
# Configures (once) and builds everything into build/. KADRILLO_WERROR=ON (or OFF) configures again with
# compiler warnings made errors (or not).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/deps.sh"
options=()
[ -z "${KADRILLO_WERROR:-}" ] || options+=("-DKADRILLO_WERROR=$KADRILLO_WERROR")
if [ ! -f "$top/build/build.ninja" ] || [ ${#options[@]} -gt 0 ]; then
  cmake -S "$top" -B "$top/build" -G Ninja "${options[@]}"
fi
cmake --build "$top/build" -j"$(nproc)"
