#!/usr/bin/env bash
# Builds Kadrillo and starts it on the generated sample archive with the stand-in game tools.
# Everything it uses (settings, data, working folder) lives in build/demo, not in your own folders.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/build.sh"

demo="$top/build/demo"
mkdir -p "$demo/config/Kadrillo" "$demo/data" "$demo/tmp" "$demo/out"
"$top/build/bin/make-sample-vol" "$demo/sample"
# The picture window starts from the program's own base.pal.
mkdir -p "$demo/data/Kadrillo"
cp "$demo/sample/base.pal" "$demo/data/Kadrillo/base.pal"
cat > "$demo/config/Kadrillo/Kadrillo.ini" <<INI
[Settings]
Extract%20Path=$top/build/bin/standin/extract.exe
Vtlist%20Path=$top/build/bin/standin/vtlist.exe
Dest%20Path=$demo/out
Default%20Palette=$demo/sample/base.pal
Palette%20Path=$demo/sample
INI

export XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/data" TMPDIR="$demo/tmp"
run=("$top/build/bin/kadrillo" "$demo/sample/sample.vol")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Kadrillo on a virtual X display (xvfb-run)."
  run=(xvfb-run -a "${run[@]}")
fi
exec "${run[@]}"
