#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs Tessary into a temporary DESTDIR and checks the installed tree as
# a user's system would see it: every file in place, the desktop entry and
# the AppStream file valid, the manual pages clean, and the programs working
# from the installed path with the build folder moved out of reach.
# Usage: check-installed-tree.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
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

root="$work/root"
prefix=/usr
DESTDIR="$root" cmake --install "$build" --prefix "$prefix" > /dev/null
tree="$root$prefix"
id=org.vorn.Tessary

expected=(
  bin/tessary bin/tessary-batch bin/tessary-menu
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/tessary.1.gz share/man/man1/tessary-batch.1.gz share/man/man1/tessary-menu.1.gz
  share/doc/tessary/copyright
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
  [ -f "$tree/$file" ] || fail "missing $prefix/$file"
done
for size in 16 22 24 32 48 64 128 256; do
  got="$(identify -format '%wx%h' "$tree/share/icons/hicolor/${size}x${size}/apps/$id.png")"
  [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done
for program in tessary tessary-batch tessary-menu; do
  [ -x "$tree/bin/$program" ] || fail "$program is not executable"
  if readelf -d "$tree/bin/$program" | grep -qE 'RPATH|RUNPATH'; then
    fail "$program looks for libraries in a fixed folder"
  fi
done
unexpected="$(cd "$root" && find . -type f | sed 's|^\./usr/||' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))"
[ -z "$unexpected" ] || fail "installed but not expected: $unexpected"

desktop-file-validate "$tree/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$tree/share/metainfo/$id.metainfo.xml" > "$work/appstream" 2>&1 ||
  { cat "$work/appstream" >&2; fail "AppStream metadata"; }
for page in tessary tessary-batch tessary-menu; do
  warnings="$(MANWIDTH=80 man --warnings -l "$tree/share/man/man1/$page.1.gz" 2>&1 > /dev/null)"
  [ -z "$warnings" ] || fail "man page $page: $warnings"
  MANWIDTH=80 man -l "$tree/share/man/man1/$page.1.gz" | grep -q "^NAME" || fail "man page $page"
done

# From here on nothing of the build folder can be reached.
mv "$build" "$aside"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
version="$(grep -o '<release version="[^"]*"' "$tree/share/metainfo/$id.metainfo.xml" | cut -d'"' -f2)"
[ "$("$tree/bin/tessary-batch" --version)" = "tessary-batch $version" ] || fail "tessary-batch --version"
[ "$("$tree/bin/tessary" --version)" = "tessary $version" ] || fail "tessary --version"
[ "$("$tree/bin/tessary-menu" --version)" = "tessary-menu $version" ] || fail "tessary-menu --version"

mkdir -p "$work/photos"
cp "$source/tests/data/jpg/Canon_40D.jpg" "$work/photos/-my photo.jpg"
"$tree/bin/tessary-batch" --answer no-to-all --set image_to_resize=1 --set wpercent=1 \
  --set hpercent=1 --set width=50 --set height=50 -- "$work/photos/-my photo.jpg" > "$work/batch"
grep -q "written: 1, skipped: 0, failed: 0" "$work/batch" || { cat "$work/batch" >&2; fail "resize"; }
[ "$(identify -format '%w' "$work/photos/resize/-my photo.jpg")" = \
  "$(( $(identify -format '%w' "$work/photos/-my photo.jpg") / 2 ))" ] || fail "resized width"

# The window starts from the installed program and keeps running.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$tree/bin/tessary" > "$work/window" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/window" >&2; fail "tessary ended with status $status"; }

# Menu items call the installed tessary-menu by its full path, and go again.
"$tree/bin/tessary-menu" --install
grep -rqF "$tree/bin/tessary-menu" "$XDG_DATA_HOME" || fail "the items do not call $tree/bin/tessary-menu"
if grep -rq "$aside\|$build" "$HOME"; then fail "the items name the build folder"; fi
"$tree/bin/tessary-menu" --uninstall
left="$(find "$XDG_DATA_HOME" -mindepth 1; find "$XDG_CONFIG_HOME" -mindepth 1 -not -path '*/Vorn*')"
[ -z "$left" ] || fail "left after --uninstall: $left"
echo "installed tree: ${#expected[@]} files in place and working"
