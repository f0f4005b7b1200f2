#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on the current X display with a real window manager managing it, as on
# a desktop: the manager frames, places and activates the windows.
#
# Usage: with_window_manager.sh openbox|xfwm4|mutter COMMAND...
# (xfwm4 and mutter want a D-Bus session: run them under dbus-run-session.)
set -uo pipefail
wm=$1
shift
case $wm in
  openbox) openbox --sm-disable >/dev/null 2>&1 & ;;
  xfwm4) xfwm4 --sm-client-disable --compositor=off >/dev/null 2>&1 & ;;
  mutter) mutter --x11 --replace --sm-disable >/dev/null 2>&1 & ;;
  *) echo "unknown window manager $wm" >&2; exit 2 ;;
esac
manager=$!
# The manager announces itself on the root window once it runs.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
"$@"
status=$?
kill "$manager" 2>/dev/null
wait "$manager" 2>/dev/null
exit "$status"
