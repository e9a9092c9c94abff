#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the tree a desktop expects:
# the program, a valid menu entry, valid AppStream data with this release, the icon in
# every size and the manual page.
set -euo pipefail
build="$1" version="$2" date="$3"
id=de.marvasten_pooltechnik.Nixaro
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

expect() { [ -e "$root/usr/$1" ] || { echo "missing: /usr/$1"; exit 1; }; }
expect bin/nixaro
[ -x "$root/usr/bin/nixaro" ] || { echo "nixaro is not executable"; exit 1; }
expect share/applications/$id.desktop
expect share/metainfo/$id.metainfo.xml
for size in 16 22 24 32 48 64 128 256; do
  expect share/icons/hicolor/${size}x${size}/apps/$id.png
done
expect share/icons/hicolor/scalable/apps/$id.svg
expect share/man/man1/nixaro.1

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --no-color "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null
grep -q "<release version=\"$version\" date=\"$date\"/>" "$root/usr/share/metainfo/$id.metainfo.xml" \
  || { echo "metainfo: no release $version of $date"; exit 1; }
grep -q '^Icon='"$id"'$' "$root/usr/share/applications/$id.desktop"

# Nothing but the program's own files.
unexpected=$(cd "$root/usr" && find . -type f | grep -v -e '^./bin/nixaro$' -e '^./share/applications/' \
  -e '^./share/metainfo/' -e '^./share/icons/hicolor/' -e '^./share/man/man1/nixaro.1$' || true)
[ -z "$unexpected" ] || { echo "unexpected files:"; echo "$unexpected"; exit 1; }
echo "install tree complete"
