#!/usr/bin/env bash
# Builds Kadrillo and starts it on the generated sample archive with the stand-in game tools.
# Everything it uses (settings, data, Wine prefix, working folder) lives in build/demo, not in your own
# folders. No settings file is written here: the stand-ins sit where the program looks for the game's
# tools by default, so the program's own settings code writes the file at exit and later starts keep
# what was changed in the window.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/build.sh"

demo="$top/build/demo"
export XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/data" TMPDIR="$demo/tmp" WINEPREFIX="$demo/wine"
data="$XDG_DATA_HOME/Kadrillo/data"
tools="$WINEPREFIX/drive_c/Dynamix/Starsiege"
mkdir -p "$XDG_CONFIG_HOME" "$data" "$TMPDIR" "$tools"
chmod 700 "$TMPDIR"
ln -sfn "$top/build/bin/standin/extract.exe" "$tools/extract.exe"
ln -sfn "$top/build/bin/standin/vtlist.exe" "$tools/vtlist.exe"
# The sample archive and its palettes (base.pal among them) go where the default palette, the palette
# search and the picture window look for them.
"$top/build/bin/make-sample-vol" "$data"
cp "$data/base.pal" "$XDG_DATA_HOME/Kadrillo/base.pal"

program="$top/build/bin/kadrillo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<TEXT
No display found (DISPLAY and WAYLAND_DISPLAY are not set), so Kadrillo's window cannot be shown here.
To see it, run this script in a desktop session or over ssh with X forwarding (ssh -X).
The command-line mode needs no display (see: $program --help); the sample archive holds:
TEXT
  "$program" --list "$data/sample.vol" >&2
  exit 1
fi
exec "$program" "$data/sample.vol"
