#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Debian package as a user's system would see it.
#   build: makes it with cpack into BUILD_DIR/package-check and checks its
#     control fields, dependencies (found by dpkg-shlibdeps) and maintainer
#     scripts, and its files: every one in place and nothing else, the desktop
#     entry and the AppStream file valid, the manual pages clean, lintian
#     without an error or a warning, every type the programs write named in
#     the package's and the AppStream descriptions. Where it is
#     asked for (CI=true), as root on a machine without the package, it also
#     installs it with apt, uses it and removes it again, checking that
#     nothing is left; a developer's own machine keeps its apt alone.
#   use: runs the programs of that package, unpacked, with the build folder
#     moved out of reach (so nothing may run beside it).
# Usage: check-package.sh BUILD_DIR SOURCE_DIR build|use
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
mode="$3"
cd /
work="$(mktemp -d)"
aside="$build.aside-$$"
restore() {
  if [ -d "$aside" ]; then mv "$aside" "$build"; fi
  rm -rf "$work"
}
trap restore EXIT
trap 'exit 1' INT TERM
fail() { echo "FAIL: $*" >&2; exit 1; }
id=org.vorn.Tessary
# The programs keep their settings, menus and hand-off block in a home of
# their own.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Resizes a camera photo to half its width with the batch program in $1.
resize_with() {
  mkdir -p "$work/photos"
  cp "$source/tests/data/jpg/Canon_40D.jpg" "$work/photos/-my photo.jpg"
  "$1" --answer yes-to-all --set image_to_resize=1 --set wpercent=1 --set hpercent=1 \
    --set width=50 --set height=50 -- "$work/photos/-my photo.jpg" > "$work/batch"
  grep -q "written: 1, skipped: 0, failed: 0" "$work/batch" || { cat "$work/batch" >&2; fail "resize"; }
  [ "$(identify -format '%w' "$work/photos/resize/-my photo.jpg")" = \
    "$(( $(identify -format '%w' "$work/photos/-my photo.jpg") / 2 ))" ] || fail "resized width"
}
out="$build/package-check"
root="$work/root"
tree="$root/usr"

if [ "$mode" = use ]; then
  deb="$(ls "$out"/tessary_*.deb)"
  dpkg-deb -x "$deb" "$root"
  version="$(dpkg-deb -f "$deb" Version)"
  # From here on nothing of the build folder can be reached.
  mv "$build" "$aside"
  for program in tessary tessary-batch tessary-menu; do
    [ "$("$tree/bin/$program" --version)" = "$program $version" ] || fail "$program --version"
  done
  resize_with "$tree/bin/tessary-batch"
  # The window starts from the unpacked program and keeps running.
  status=0
  QT_QPA_PLATFORM=offscreen timeout 3 "$tree/bin/tessary" > "$work/window" 2>&1 || status=$?
  [ "$status" = 124 ] || { cat "$work/window" >&2; fail "tessary ended with status $status"; }
  # Menu items call tessary-menu by its full path, and go again, leaving
  # the home as they found it.
  rm -rf "$HOME" && mkdir -p "$HOME"
  before="$(cd "$HOME" && find . | sort)"
  "$tree/bin/tessary-menu" --install
  grep -rqF "$tree/bin/tessary-menu" "$XDG_DATA_HOME" || fail "the items do not call $tree/bin/tessary-menu"
  if grep -rq "$aside\|$build" "$HOME"; then fail "the items name the build folder"; fi
  "$tree/bin/tessary-menu" --uninstall
  left="$(diff <(echo "$before") <(cd "$HOME" && find . | sort) || true)"
  [ -z "$left" ] || fail "left after --uninstall: $left"
  echo "unpacked programs work with the build folder out of reach"
  exit 0
fi

rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$out" > "$work/cpack" 2>&1) || { cat "$work/cpack" >&2; fail "cpack"; }
rm -rf "$out/_CPack_Packages"
debs=("$out"/tessary_*.deb)
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
dpkg-deb -e "$deb" "$work/control"
scripts="$(cd "$work/control" && ls | grep -vxE 'control|md5sums' || true)"
[ -z "$scripts" ] || fail "unexpected maintainer scripts: $scripts"

dpkg-deb -x "$deb" "$root"
expected=(
  bin/tessary bin/tessary-batch bin/tessary-menu
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/tessary.1.gz share/man/man1/tessary-batch.1.gz share/man/man1/tessary-menu.1.gz
  share/doc/tessary/copyright share/doc/tessary/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
  got="$(identify -format '%wx%h' "$tree/share/icons/hicolor/${size}x${size}/apps/$id.png")"
  [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done
files="$(cd "$root" && find . -type f | sed 's|^\./usr/||' | sort)"
[ "$files" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
  fail "the package's files differ: $(diff <(echo "$files") <(printf '%s\n' "${expected[@]}" | sort) || true)"
[ "$(wc -l < "$work/control/md5sums")" = "${#expected[@]}" ] || fail "md5sums"
for program in tessary tessary-batch tessary-menu; do
  [ -x "$tree/bin/$program" ] || fail "$program is not executable"
  # Read first: a readelf that failed must not pass as "no fixed folder".
  dynamic="$(readelf -d "$tree/bin/$program")" || fail "readelf $program"
  if grep -qE 'RPATH|RUNPATH' <<< "$dynamic"; then
    fail "$program looks for libraries in a fixed folder"
  fi
done
desktop-file-validate "$tree/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$tree/share/metainfo/$id.metainfo.xml" > "$work/appstream" 2>&1 ||
  { cat "$work/appstream" >&2; fail "AppStream metadata"; }
for page in tessary tessary-batch tessary-menu; do
  warnings="$(MANWIDTH=80 man --warnings -l "$tree/share/man/man1/$page.1.gz" 2>&1 > /dev/null)"
  [ -z "$warnings" ] || fail "man page $page: $warnings"
  MANWIDTH=80 man -l "$tree/share/man/man1/$page.1.gz" | grep -q "^NAME" || fail "man page $page"
done

# Policy's own checker, for what the checks above do not know.
lintian --fail-on error,warning "$deb" > "$work/lintian" 2>&1 ||
  { cat "$work/lintian" >&2; fail "lintian"; }
# Every type the batch writes (its --help lists the imagetype names and
# codes) is named in both descriptions, as they name it.
help="$("$build/bin/tessary-batch" --help)" || fail "tessary-batch --help"
written="$(sed -n '/ imagetype /,/ qualilty /{p;/ qualilty /q}' <<< "$help" |
  grep -oE '\b[a-z]+ \([0-9]+' | grep -v '^same ' | cut -d' ' -f1 |
  tr a-z A-Z | sed 's/^JPG$/JPEG/; s/^JXL$/JPEG XL/; s/^WEBP$/WebP/')"
[ "$(wc -l <<< "$written")" = 11 ] || fail "tessary-batch --help lists the written types as: $written"
description="$(dpkg-deb -f "$deb" Description | tr -s ' \n' '  ')"
metainfo="$(tr -s ' \n' '  ' < "$tree/share/metainfo/$id.metainfo.xml")"
while IFS= read -r type; do
  grep -qF " $type" <<< "$description" || fail "the package's description does not name $type"
  grep -qF " $type" <<< "$metainfo" || fail "the AppStream description does not name $type"
done <<< "$written"

echo "package: ${#expected[@]} files in place"

if [ "${CI:-}" != true ]; then
  echo "not installed with apt: that runs where it is asked for (CI=true)"
  exit 0
fi
if [ "$(id -u)" != 0 ] || ! command -v apt-get > /dev/null; then
  echo "not installed: needs root and apt"
  exit 0
fi
# Another apt at work (an update in the background) is waited for.
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 "$@"; }
if dpkg-query -W -f='${Status}' tessary 2> /dev/null | grep -q 'install ok'; then
  echo "not installed: this machine already has a tessary package"
  exit 0
fi
trap 'apt_get purge -y -q tessary > /dev/null 2>&1 || true; rm -rf "$work"' EXIT
apt_get install -y -q "$deb" > "$work/apt" 2>&1 ||
  { cat "$work/apt" >&2; fail "apt-get install"; }
resize_with /usr/bin/tessary-batch
apt_get purge -y -q tessary > "$work/apt" 2>&1 ||
  { cat "$work/apt" >&2; fail "apt-get purge"; }
for file in "${expected[@]}"; do
  [ ! -e "/usr/$file" ] || fail "/usr/$file is left after removal"
done
if dpkg-query -W -f='${Status}' tessary 2> /dev/null | grep -q 'installed'; then fail "still known to dpkg"; fi
echo "installed with apt, used and removed: nothing left"
