#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the real program's windows as a screen reader does, through AT-SPI, on the
# current X display and D-Bus session (run it under xvfb-run and dbus-run-session).
#
# Usage: run_accessibility.sh TREMLET
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

# An opener of our own records what the program asks the desktop to open.
mkdir -p "$work/bin" "$work/data"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/opened.log"\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH" XDG_DATA_HOME="$work/data" OPENED_LOG="$work/opened.log"
: > "$OPENED_LOG"

# The accessibility bus, and Qt told to speak on it as it does when a screen reader runs.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
# The program looks for the bus once, as it starts: the bus must be there first.
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' &&
    break
  sleep 0.1
done
/usr/bin/python3 "$here/check_accessibility.py" "$1"
