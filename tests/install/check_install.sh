#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks what a desktop gets: the program in
# bin, its documents where it finds them, a valid desktop entry and AppStream metadata, the
# icon in the hicolor theme. Then drives the installed program end to end.
#
# Usage (under an X server): check_install.sh BUILD_DIR E2E_SCRIPT
set -uo pipefail
build=$1
e2e=$2
prefix=$(mktemp -d)
screenshots=$(mktemp -d)
trap 'rm -rf "$prefix" "$screenshots"' EXIT
id=example.tremlet.Tremlet

source "$(dirname "$e2e")/checks.sh"

expect "cmake --install" cmake --install "$build" --prefix "$prefix"
expect "the program in bin" test -x "$prefix/bin/tremlet"
expect "the loop tool in bin" test -x "$prefix/bin/tremlet-loop"
expect "the installed loop tool runs" "$prefix/bin/tremlet-loop" --version
expect "the help page" test -f "$prefix/share/tremlet/drive_c/audio/velmora/help/GARNEK_1.0_english.html"
expect "the site shortcut" test -f "$prefix/share/tremlet/drive_c/audio/velmora/tremlet/velmora.url"
for size in 16 24 32 48 64 128 256; do
  expect "the ${size} px icon" test -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
expect "the scalable icon" test -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
expect "the manual pages" test -f "$prefix/share/man/man1/tremlet.1" -a -f "$prefix/share/man/man1/tremlet-loop.1"
expect "the desktop entry names the windows' class" \
  grep -qx 'StartupWMClass=tremlet' "$prefix/share/applications/$id.desktop"
expect "a valid desktop entry" desktop-file-validate "$prefix/share/applications/$id.desktop"
expect "valid AppStream metadata" appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml"
catalog=$(mktemp -d)
expect "appstreamcli compose accepts the tree" \
  appstreamcli compose --origin=tremlet --result-root="$catalog" --prefix=/ "$prefix"
check "the catalog lists the component with its icon" \
  "$(zcat "$catalog"/share/swcatalog/xml/tremlet.xml.gz 2>/dev/null |
     grep -c -e "<id>$id</id>" -e '<icon type="cached" width="128"')" 2
rm -rf "$catalog"
expect "the metadata's version is the version block's" \
  grep -q 'release version="1.0.0.1"' "$prefix/share/metainfo/$id.metainfo.xml"
expect "the installed program runs end to end" bash "$e2e" "$prefix/bin/tremlet" "$screenshots"

expect "the uninstall target runs" cmake --build "$build" --target uninstall
check "uninstalling leaves nothing in the prefix" "$(find "$prefix" -mindepth 1 | head -n 5)" ""

summary
