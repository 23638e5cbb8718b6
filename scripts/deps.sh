#!/usr/bin/env bash
# Installs the Debian 12 packages Kadrillo needs to build, test, package and run, when any is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libqt6svg6 fonts-dejavu-extra
  shared-mime-info xdg-utils desktop-file-utils libfile-mimeinfo-perl appstream
  libpng-dev zlib1g-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick
  wine64 g++-mingw-w64-x86-64
  librsvg2-bin dpkg-dev lintian wine
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
