#!/usr/bin/env bash
# Builds the Debian package twice from fresh clones of the committed HEAD, in directories
# of different depth, at least a minute apart, in different time zones and under
# different umasks, and expects byte-identical .deb files; otherwise shows what differs.
set -euo pipefail
repo="$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)"
commit="$(git -C "$repo" rev-parse HEAD)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

build() {  # $1: clone directory, under $work
  git clone -q --no-checkout "$repo" "$work/$1"
  git -C "$work/$1" checkout -q "$commit"
  if ! make -C "$work/$1" package JOBS="${JOBS:-$(nproc)}" >"$work/$1.log" 2>&1; then
    tail -n 40 "$work/$1.log"; echo "package build in $1 failed"; exit 1
  fi
}
started=$SECONDS
(umask 022; TZ=UTC build one)
# The second build must not fall into the same minute as the first.
while (( SECONDS - started < 61 )); do sleep 1; done
(umask 002; TZ=Pacific/Kiritimati build second/clone/of/nixaro)

name="nixaro_$(dpkg-parsechangelog -l "$repo/debian/changelog" -S Version)_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
a="$work/one/build/$name" b="$work/second/clone/of/nixaro/build/$name"
if cmp -s "$a" "$b"; then
  echo "reproducible: $name $(sha256sum <"$a" | cut -c1-16)"
  exit 0
fi
echo "not reproducible: $name differs"
for x in a b; do
  dpkg-deb -R "${!x}" "$work/$x"
  dpkg-deb --fsys-tarfile "${!x}" | tar -tv --full-time >"$work/$x.list"
done
diff "$work/a.list" "$work/b.list" || true
diff -r "$work/a" "$work/b" | while read -r what; do
  echo "$what"
  # For binaries, how many bytes and which readable strings differ (build paths, dates).
  if [[ $what =~ ^Binary\ files\ ([^ ]+)\ and\ ([^ ]+)\ differ$ ]]; then
    echo "  $(cmp -l "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" | wc -l) bytes differ"
    diff <(strings -n 8 "${BASH_REMATCH[1]}") <(strings -n 8 "${BASH_REMATCH[2]}") | head -n 20 || true
  fi
done
exit 1
