#!/usr/bin/env bash
# Configures (once) and builds everything into build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/deps.sh"
[ -f "$top/build/build.ninja" ] || cmake -S "$top" -B "$top/build" -G Ninja
cmake --build "$top/build" -j"$(nproc)"
