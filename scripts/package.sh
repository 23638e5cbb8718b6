#!/usr/bin/env bash
# Builds Kadrillo and packs it with CPack as a Debian package, build/kadrillo_<version>-1_<arch>.deb,
# whose path is the last line printed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/build.sh"
cd "$top/build"
rm -f kadrillo_*.deb
cpack -G DEB >&2
ls "$top"/build/kadrillo_*.deb
