#!/usr/bin/env bash
# Reads the texts of the sources into every catalogue in translations/: a new text comes in unfinished
# (the build fails until it is translated), a text the sources no longer have goes.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/deps.sh"
[ -f "$top/build/CMakeCache.txt" ] || cmake -S "$top" -B "$top/build" -G Ninja
cmake --build "$top/build" --target update_translations
grep -c 'type="unfinished"' "$top"/translations/*.ts | sed 's/$/ unfinished/' || true
