#!/usr/bin/env bash
# Builds the Debian package and checks it as a packager and a user would: its control fields and files,
# lintian with no error, then installs it with apt (removed again whatever happens), runs the installed
# program on the sample archive from the command line and in its window on a virtual display, checks
# the ".vol" type and that kadrillo-batch is not on the PATH, and that removing it leaves nothing.
# Installing needs root (sudo otherwise); a Kadrillo package installed before is not touched.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
fail() {
  echo "package check: $*" >&2
  exit 1
}
installed() { dpkg-query -W -f='${Status}' kadrillo 2>/dev/null | grep -q "install ok installed"; }
installed && fail "a kadrillo package is installed already; remove it first"

deb=$(bash "$top/scripts/package.sh" | tail -n 1)
version=$(sed -n 's/^project(kadrillo VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")

echo "=== dpkg-deb --info $(basename "$deb")"
dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = kadrillo ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version is $(field Version), not $version-1"
[ "$(field Section)" = utils ] || fail "Section is $(field Section)"
[[ "$(field Maintainer)" == *"<"*"@"*">" ]] || fail "Maintainer is $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
[ "$(field Recommends)" = "wine, qt6-translations-l10n" ] || fail "Recommends is $(field Recommends)"
# Libraries found by shlibdeps (with their versions), and what the programs load or start at run time.
depends=", $(field Depends),"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libpng16-16 \
  qt6-qpa-plugins libqt6svg6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good shared-mime-info \
  desktop-file-utils fonts-dejavu-extra; do
  [[ "$depends" == *", $package "* || "$depends" == *", $package,"* ]] || fail "Depends lacks $package"
done
[[ "$depends" == *", libc6 (>= "* ]] || fail "Depends has no computed library versions"

echo "=== dpkg-deb --contents"
dpkg-deb --contents "$deb"
packed=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
# Every file `cmake --install` puts in place is packed, the translations included.
staged=$(mktemp -d)
trap 'rm -rf "$staged"' EXIT
DESTDIR=$staged cmake --install "$top/build" --prefix /usr >/dev/null
wanted=$(cd "$staged" && find . ! -type d | sed 's/^\.//' | sort)
[ "$packed" = "$wanted" ] || fail "the package's files differ from the install's: $(diff <(echo "$wanted") <(echo "$packed") || true)"
for file in /usr/bin/kadrillo /usr/libexec/kadrillo/kadrillo-batch /usr/share/applications/kadrillo.desktop \
  /usr/share/icons/hicolor/scalable/apps/kadrillo.svg /usr/share/icons/hicolor/48x48/apps/kadrillo.png \
  /usr/share/icons/hicolor/256x256/apps/kadrillo.png /usr/share/mime/packages/kadrillo.xml \
  /usr/share/metainfo/org.kadrillo.Kadrillo.metainfo.xml /usr/share/kadrillo/readme.txt \
  /usr/share/man/man1/kadrillo.1.gz /usr/share/doc/kadrillo/copyright /usr/share/doc/kadrillo/changelog.Debian.gz; do
  grep -qx "$file" <<<"$packed" || fail "$file is not in the package"
done
if grep -q "^/usr/share/kadrillo/translations/" <<<"$wanted"; then
  grep -q '^/usr/share/kadrillo/translations/.*\.qm$' <<<"$packed" || fail "no translations packed"
fi

echo "=== lintian"
set +e
report=$(lintian --info --display-level ">=warning" --fail-on error "$deb" 2>&1)
status=$?
set -e
echo "$report"
echo "lintian: $(grep -c '^E:' <<<"$report" || true) errors, $(grep -c '^W:' <<<"$report" || true) warnings"
[ "$status" -eq 0 ] || fail "lintian reports errors"

echo "=== apt install $(basename "$deb")"
home=$(mktemp -d)
remove() {
  installed && "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq kadrillo >/dev/null
  rm -rf "$staged" "$home"
}
trap remove EXIT
# The type is the package's: the system knows no ".vol" files before it is installed.
touch "$home/maps.vol"
mime_type() { env -u XDG_DATA_HOME XDG_DATA_DIRS=/usr/share xdg-mime query filetype "$home/maps.vol"; }
[ "$(mime_type)" != application/x-starsiege-volume ] || fail "the system knows the .vol type without the package"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt install -y -q "$deb"

[ "$(command -v kadrillo)" = /usr/bin/kadrillo ] || fail "kadrillo is not on the PATH"
! command -v kadrillo-batch >/dev/null || fail "kadrillo-batch is on the PATH: $(command -v kadrillo-batch)"
[ -x /usr/libexec/kadrillo/kadrillo-batch ] || fail "kadrillo-batch is not in /usr/libexec/kadrillo"
[ "$(kadrillo --version)" = "Kadrillo $version" ] || fail "kadrillo --version says $(kadrillo --version)"
[ "$(mime_type)" = application/x-starsiege-volume ] || fail "xdg-mime gives $(mime_type) for a .vol file"
handler=$(env XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_DATA_DIRS=/usr/share \
  xdg-mime query default application/x-starsiege-volume)
[ "$handler" = kadrillo.desktop ] || fail "the .vol handler is '$handler'"

# A new user's home, with the stand-in tools where the program looks for the game's own (as the demo).
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache TMPDIR=$home/tmp
export XDG_RUNTIME_DIR=$home/runtime WINEPREFIX=$home/wine LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
tools=$WINEPREFIX/drive_c/Dynamix/Starsiege
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/Kadrillo/data" "$TMPDIR" "$XDG_RUNTIME_DIR" "$tools"
chmod 700 "$TMPDIR" "$XDG_RUNTIME_DIR"
ln -s "$top/build/bin/standin/extract.exe" "$tools/extract.exe"
ln -s "$top/build/bin/standin/vtlist.exe" "$tools/vtlist.exe"
"$top/build/bin/make-sample-vol" "$XDG_DATA_HOME/Kadrillo/data" >/dev/null
sample=$XDG_DATA_HOME/Kadrillo/data/sample.vol
listed=$(kadrillo --list "$sample")
if [ "$listed" != "$("$top/build/bin/kadrillo" --list "$sample")" ] || ! grep -qx sky.bmp <<<"$listed"; then
  fail "the installed kadrillo --list gave: $listed"
fi
echo "kadrillo --list: $(wc -l <<<"$listed") objects"

# Started with no archive, so that ending it interrupts no listing. Tools > Associate in the installed
# window makes the installed desktop entry the handler and removes a user's entry that would hide it.
echo "=== the installed window on a virtual display"
export XDG_DATA_DIRS=/usr/share
user_entry=$XDG_DATA_HOME/applications/kadrillo.desktop
mkdir -p "$(dirname "$user_entry")"
printf '[Desktop Entry]\nType=Application\nName=Kadrillo\nExec=/nowhere/kadrillo %%f\n' >"$user_entry"
# shellcheck disable=SC2016 # expanded by the shell on the virtual display
xvfb-run -a bash -c '
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  user_entry=$1
  kadrillo &
  program=$!
  # Polls until the condition holds, while the program lives, for at most 60 s.
  wait_for() {
    local deadline=$((SECONDS + 60))
    until eval "$1"; do
      kill -0 "$program" 2>/dev/null || { echo "kadrillo ended before $2" >&2; return 1; }
      [ "$SECONDS" -lt "$deadline" ] || { echo "not within 60 s: $2" >&2; kill "$program"; return 1; }
      sleep 0.2
    done
  }
  wait_for "xdotool search --onlyvisible --name Kadrillo >/dev/null 2>&1" "its window appeared" || exit 1
  window=$(xdotool search --onlyvisible --name Kadrillo | head -n 1)
  echo "window: $(xdotool getwindowname "$window")"
  xdotool windowfocus --sync "$window" key --delay 100 alt+t a
  wait_for "grep -q =kadrillo.desktop \"\$XDG_CONFIG_HOME/mimeapps.list\" 2>/dev/null && [ ! -e \"\$user_entry\" ]" \
    "Tools > Associate made the installed entry the handler" || exit 1
  kill -TERM "$program"
  wait "$program" || true
' _ "$user_entry" || fail "the installed window did not appear or did not associate"
handler=$(xdg-mime query default application/x-starsiege-volume)
[ "$handler" = kadrillo.desktop ] || fail "after Associate the .vol handler is '$handler'"

echo "=== apt purge kadrillo"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq kadrillo >/dev/null
! installed || fail "kadrillo is still installed"
while read -r file; do
  [ ! -e "$file" ] || fail "$file is left after removal"
done <<<"$packed"
[ "$(mime_type)" != application/x-starsiege-volume ] || fail "the .vol type is left after removal"
for pid in $(pgrep -f wine || true); do
  ! grep -qz "^WINEPREFIX=$WINEPREFIX$" "/proc/$pid/environ" 2>/dev/null || fail "Wine process $pid is left"
done
echo "package check passed in $(($(date +%s) - started)) s"
