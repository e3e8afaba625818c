#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with cpack and inspects it: its files, its
# dependencies (found by dpkg-shlibdeps) and its maintainer scripts. Run as
# root on a machine without the package, it also installs it with apt, uses
# the installed programs and removes it again, checking that nothing is left.
# Usage: check-package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack" 2>&1) || { cat "$work/cpack" >&2; fail "cpack"; }
debs=("$work"/out/tessary_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "no single tessary_*.deb: ${debs[*]}"
deb="${debs[0]}"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

[ "$(dpkg-deb -f "$deb" Package)" = tessary ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Section)" = graphics ] || fail "section"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libvips42 libexif12; do
  grep -qE "(^|, )$library( |,|$)" <<< "$depends" || fail "Depends lacks $library"
done
if grep -q "tessary" <<< "$depends"; then fail "the package depends on itself"; fi
[ "$(dpkg-deb -f "$deb" Recommends)" = xdg-utils ] || fail "Recommends"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' | grep -v '/$' | sort > "$work/files"
for file in usr/bin/tessary usr/bin/tessary-batch usr/bin/tessary-menu \
  usr/share/applications/org.vorn.Tessary.desktop usr/share/metainfo/org.vorn.Tessary.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/org.vorn.Tessary.svg \
  usr/share/icons/hicolor/256x256/apps/org.vorn.Tessary.png \
  usr/share/man/man1/tessary-batch.1.gz usr/share/doc/tessary/copyright; do
  grep -qxF "$file" "$work/files" || fail "the package lacks /$file"
done
if grep -qvE '^usr/(bin|share)/' "$work/files"; then fail "files outside /usr/bin and /usr/share"; fi

dpkg-deb -e "$deb" "$work/control"
scripts="$(cd "$work/control" && ls | grep -vxE 'control|md5sums' || true)"
[ -z "$scripts" ] || fail "unexpected maintainer scripts: $scripts"
(cd "$work/control" && [ "$(wc -l < md5sums)" = "$(wc -l < "$work/files")" ]) || fail "md5sums"

if [ "$(id -u)" != 0 ] || ! command -v apt-get > /dev/null; then
  echo "not installed: needs root and apt"
  exit 0
fi
if dpkg-query -W -f='${Status}' tessary 2> /dev/null | grep -q 'install ok'; then
  echo "not installed: this machine already has a tessary package"
  exit 0
fi
trap 'apt-get purge -y -q tessary > /dev/null 2>&1 || true; rm -rf "$work"' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" > "$work/apt" 2>&1 ||
  { cat "$work/apt" >&2; fail "apt-get install"; }
[ "$(/usr/bin/tessary-batch --version)" = "tessary-batch $(dpkg-deb -f "$deb" Version)" ] ||
  fail "the installed tessary-batch --version"
export XDG_CONFIG_HOME="$work/config"
cp "$source/tests/data/jpg/Nikon_D70.jpg" "$work/photo.jpg"
/usr/bin/tessary-batch --answer no-to-all --set image_to_resize=1 --set wpercent=1 --set hpercent=1 \
  --set width=50 --set height=50 --set imagetype=5 -- "$work/photo.jpg" > "$work/batch"
grep -q "written: 1, skipped: 0, failed: 0" "$work/batch" || { cat "$work/batch" >&2; fail "resize"; }
[ "$(identify -format '%m' "$work/resize/photo.png")" = PNG ] || fail "the resized picture"

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q tessary > "$work/apt" 2>&1 ||
  { cat "$work/apt" >&2; fail "apt-get purge"; }
while read -r file; do
  [ ! -e "/$file" ] || fail "/$file is left after removal"
done < "$work/files"
if dpkg-query -W -f='${Status}' tessary 2> /dev/null | grep -q 'installed'; then fail "still known to dpkg"; fi
echo "installed with apt, used and removed: nothing left"
