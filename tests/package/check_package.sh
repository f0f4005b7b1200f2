#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package with apt-get, drives the installed /usr/bin/tremlet end to
# end, removes the package and checks that nothing it owned is left behind.
#
# Usage (as root, under an X server): check_package.sh PACKAGE.deb
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
screenshots=$(mktemp -d)
trap 'rm -rf "$screenshots"' EXIT
source "$here/../e2e/checks.sh"

expect "apt-get installs the package" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"
expect "the program is /usr/bin/tremlet" test -x /usr/bin/tremlet
expect "its opener, xdg-open, came with it" command -v xdg-open
mapfile -t owned < <(dpkg -L tremlet 2>/dev/null)
expect "the installed package runs end to end" bash "$here/../e2e/run_e2e.sh" /usr/bin/tremlet "$screenshots"
expect "apt-get removes the package" env DEBIAN_FRONTEND=noninteractive apt-get remove -y tremlet

# What the package owned is gone: its files, and its directories unless something else
# still lives in them.
left=()
for path in "${owned[@]}"; do
  if [ -L "$path" ] || [ -f "$path" ]; then
    left+=("$path")
  elif [ -d "$path" ] && [ -z "$(ls -A "$path")" ]; then
    left+=("$path/")
  fi
done
check "nothing the package owned is left behind" "${left[*]}" ""

summary
