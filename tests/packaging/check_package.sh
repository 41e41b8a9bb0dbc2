#!/usr/bin/env bash
# Makes the Debian package of a build folder in a scratch folder and checks
# that it installs the programs, the desktop entry, the icon, the data files
# and the club server's setup script, and that it depends on what Qt loads at
# run time.
set -euo pipefail
build=$1
source=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# gzip instead of xz: the test only reads the package, and a debug build is large.
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" \
    -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
debs=("$work"/korvanti_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "no single korvanti_*.deb in $work"; ls "$work"; exit 1; }
deb=${debs[0]}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in \
    ./usr/bin/korvanti \
    ./usr/bin/korvanti-tool \
    ./usr/share/applications/korvanti.desktop \
    ./usr/share/icons/hicolor/scalable/apps/korvanti.svg \
    ./usr/share/korvanti/checkout.ini \
    ./usr/share/korvanti/ki.ini \
    ./usr/share/korvanti/club-server.sh \
    ./usr/share/doc/korvanti/copyright; do
  grep -qxF "$path" <<<"$contents" || fail "package lacks $path"
done
for program in ./usr/bin/korvanti ./usr/bin/korvanti-tool; do
  dpkg-deb --contents "$deb" | grep -E " $program\$" | grep -q '^-rwxr-xr-x' ||
    fail "$program is not an executable file"
done

[ "$(dpkg-deb --field "$deb" Package)" = korvanti ] || fail "package name is not korvanti"
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libqt6sql6-psql libqt6svg6 libqt6multimedia6 \
    gstreamer1.0-plugins-good libc6; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg-deb -x "$deb" "$work/root"
cmp -s "$work/root/usr/share/korvanti/ki.ini" "$source/data/ki.ini" || fail "ki.ini differs from data/ki.ini"
cmp -s "$work/root/usr/share/korvanti/club-server.sh" "$source/scripts/club-server.sh" ||
  fail "club-server.sh differs from scripts/club-server.sh"
desktop=$work/root/usr/share/applications/korvanti.desktop
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop entry is not valid"
fi
grep -qx 'Exec=korvanti' "$desktop" || fail "desktop entry does not start korvanti"
grep -qx 'Icon=korvanti' "$desktop" || fail "desktop entry does not name the icon korvanti"

[ $failures -eq 0 ] || exit 1
echo "package ok: $(basename "$deb")"
