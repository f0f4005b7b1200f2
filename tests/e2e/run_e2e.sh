#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real tremlet executable on an X display with real key presses and clicks
# (xdotool), and reads the results back as a user can: select a field, copy it, read the
# clipboard (xclip). Takes a screenshot of every window it sees into the artifact folder.
#
# Usage (under an X server, e.g. xvfb-run):  run_e2e.sh TREMLET ARTIFACT_DIR [DRAG_SOURCE]
# With DRAG_SOURCE (tests/e2e/drag_source), a loop file is dragged onto the window too.
set -uo pipefail

tremlet=$1
artifacts=$2
drag_source=${3:-}
mkdir -p "$artifacts"

work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# An opener of our own records what the program asks the desktop to open.
mkdir -p "$work/bin" "$work/runtime" "$work/data"
chmod 700 "$work/runtime"
cat > "$work/bin/xdg-open" <<'OPENER'
#!/bin/sh
printf '%s\n' "$@" >> "$OPENED_LOG"
OPENER
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH" OPENED_LOG="$work/opened.log"
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
: > "$OPENED_LOG"

source "$(dirname "$0")/checks.sh"

# The windows' sizes and the controls the test touches, as the templates give them in
# dialog units (x y width height).
main_size="241 125"
subdivision_size="136 138"
about_size="179 69"
declare -A at=(
  [period]="68 7 80 14"
  [beats]="68 26 58 14"
  [tempo]="67 47 80 14"
  [compute_tempo]="175 7 59 16"
  [display_nth]="67 65 87 12"
  [about]="7 102 59 16"
)
subdivision_row() { echo "57 $((7 + 16 * $1)) 58 12"; }  # rows 0 to 7

wait_window() {  # wait_window TITLE-REGEX -> window id
  timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}
await_window() {  # await_window VARIABLE CHECK-NAME TITLE-REGEX: the window's id, or empty
  printf -v "$1" '%s' "$(wait_window "$3")"
  check "$2" "$([ -n "${!1}" ] && echo yes)" yes
  if [ -n "${!1}" ]; then sleep 0.2; fi
}
wait_gone() {  # wait_gone TITLE-REGEX
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  return 1
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.1; }
key() { xdotool key --clearmodifiers "$@"; sleep 0.15; }

# Dialog units to pixels: value * base unit / 4 (across) or / 8 (down), rounded.
units_to_px() { echo $((($1 * $2 + $3 / 2) / $3)); }  # units_to_px VALUE BASE DIVISOR
px() { units_to_px "$1" "$bx" 4; }
py() { units_to_px "$1" "$by" 8; }
# A window's base units, from its size in pixels and its template's in dialog units. The
# vertical unit is the font's height; the horizontal one may have grown, window by window,
# until every text fits. Both 0 when the size matches no whole units.
units_of() {  # units_of WINDOW TEMPLATE_W TEMPLATE_H -> sets bx and by
  local size
  size=$(size_of "$1")
  bx=0
  by=0
  for u in $(seq 3 48); do
    [ "$(units_to_px "$2" "$u" 4)" -eq "${size%x*}" ] && [ "$bx" -eq 0 ] && bx=$u
    [ "$(units_to_px "$3" "$u" 8)" -eq "${size#*x}" ] && [ "$by" -eq 0 ] && by=$u
  done
}
click_at() {  # click_at WINDOW X Y W H: the middle of a control's rectangle
  xdotool mousemove --window "$1" $(($(px "$2") + $(px "$4") / 2)) \
    $(($(py "$3") + $(py "$5") / 2)) click 1
  sleep 0.15
}
read_field() {  # read_field WINDOW X Y W H -> the field's text, copied through the clipboard
  printf 'nothing copied' | xclip -selection clipboard -i
  click_at "$@"
  key ctrl+a
  key ctrl+c
  for _ in $(seq 20); do
    value=$(xclip -selection clipboard -o 2>/dev/null)
    [ "$value" != "nothing copied" ] && break
    sleep 0.05
  done
  printf '%s' "$value"
}
size_of() { xdotool getwindowgeometry --shell "$1" | awk -F= '/WIDTH|HEIGHT/ {printf "%s%s", sep, $2; sep="x"}'; }
# A window's frame as the window manager draws it: "x y width height" (the client's own
# rectangle where no manager frames it).
frame_of() {
  local info extents x y w h l=0 r=0 t=0 b=0
  info=$(xwininfo -id "$1")
  x=$(awk '/Absolute upper-left X/ {print $NF}' <<< "$info")
  y=$(awk '/Absolute upper-left Y/ {print $NF}' <<< "$info")
  w=$(awk '/Width:/ {print $NF}' <<< "$info")
  h=$(awk '/Height:/ {print $NF}' <<< "$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
  [ -n "$extents" ] && read -r l r t b <<< "$extents"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
# Whether the first frame's centre lies within 2 pixels of the second rectangle's.
centred_over() {  # centred_over "X Y W H" "X Y W H" -> yes, or where it is
  local ax ay aw ah bx0 by0 bw bh dx dy
  read -r ax ay aw ah <<< "$1"
  read -r bx0 by0 bw bh <<< "$2"
  dx=$(((2 * ax + aw) - (2 * bx0 + bw)))
  dy=$(((2 * ay + ah) - (2 * by0 + bh)))
  if [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ]; then echo yes; else echo "off by $((dx / 2)),$((dy / 2))"; fi
}
screen_rect() { xwininfo -root | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print 0, 0, w, h}'; }

shot() { import -window "$1" "$artifacts/$2.png" 2>/dev/null || xwd -id "$1" -out "$artifacts/$2.xwd"; }

"$tremlet" --style=windows -platform offscreen &
pid=$!

await_window main "the main window appears" '^velmora Tremlet 1.0$'
[ -n "$main" ] || { summary; exit 1; }
sleep 0.3
focus "$main"

units_of "$main" $main_size
main_by=$by
echo "main window $(size_of "$main") pixels: base units ${bx} x ${by}"
check "main window size matches its template in dialog units" "$((bx > 0 && by > 0))" 1
check "the window's class is the desktop entry's StartupWMClass" \
  "$(xprop -id "$main" WM_CLASS | sed 's/.*= //')" '"tremlet", "tremlet"'
check "the main window is centred on the screen, frame and all" \
  "$(centred_over "$(frame_of "$main")" "$(screen_rect)")" yes
shot "$main" main-window
# The command line is ignored: with "-platform offscreen" read, no window would be here.

check "period starts at 2" "$(read_field "$main" ${at[period]})" 2
check "beats start at 4" "$(read_field "$main" ${at[beats]})" 4
check "tempo starts at 120" "$(read_field "$main" ${at[tempo]})" 120

# The typical request: subdivisions on, a 3 s loop of 4 beats, Compute Tempo.
click_at "$main" ${at[display_nth]}
click_at "$main" ${at[period]}
key ctrl+a
xdotool type 3
click_at "$main" ${at[compute_tempo]}
await_window sub "the subdivision window opens" '^velmora Tremlet NTH$'
if [ -n "$sub" ]; then
  check "the subdivision window is centred over the main window" \
    "$(centred_over "$(frame_of "$sub")" "$(frame_of "$main")")" yes
  units_of "$sub" $subdivision_size
  check "subdivision window size matches its template in the dialog font" \
    "$((bx > 0)) $by" "1 $main_by"
  shot "$sub" subdivision-window
  focus "$sub"
  rows=""
  for i in 0 1 2 3 4 5 6 7; do
    rows="$rows $(read_field "$sub" $(subdivision_row $i))"
  done
  check "subdivisions of 3 s" "$rows" " 1.500 0.750 0.375 0.188 0.094 0.047 0.023 0.012"
  key Escape
  wait_gone '^velmora Tremlet NTH$'
  check "Escape closes the subdivision window" "$?" 0
fi
focus "$main"
units_of "$main" $main_size
check "tempo of a 3 s loop of 4 beats" "$(read_field "$main" ${at[tempo]})" 80.000

# A period from a tempo, by the keyboard: Alt+D turns the subdivisions off, Alt+P computes.
key alt+d
click_at "$main" ${at[tempo]}
key ctrl+a
xdotool type 90
key alt+p
check "period of 4 beats at 90 BPM" "$(read_field "$main" ${at[period]})" 2.667

# Invalid input: no beats.
click_at "$main" ${at[beats]}
key ctrl+a
key BackSpace
key alt+t
await_window box "invalid data shows a message box captioned tremlet" '^tremlet$'
if [ -n "$box" ]; then
  check "the message box is centred over the main window" \
    "$(centred_over "$(frame_of "$box")" "$(frame_of "$main")")" yes
  shot "$box" invalid-data-box
  focus "$box"
  key Return
  wait_gone '^tremlet$'
fi
focus "$main"
units_of "$main" $main_size
check "the tempo field is unchanged after invalid data" "$(read_field "$main" ${at[tempo]})" 90

# About: Escape opens the site shortcut and leaves the window open; OK closes it.
click_at "$main" ${at[about]}
await_window about "About opens" '^About Tremlet.exe$'
if [ -n "$about" ]; then
  check "About is centred over the main window" \
    "$(centred_over "$(frame_of "$about")" "$(frame_of "$main")")" yes
  units_of "$about" $about_size
  check "About window size matches its template in the dialog font" "$((bx > 0)) $by" "1 $main_by"
  shot "$about" about-window
  focus "$about"
  key Escape
  sleep 0.5
  check "Escape in About opens the site" "$(tail -n 1 "$OPENED_LOG")" "https://www.tremlet.example/"
  check "and About stays open" "$(xdotool search --onlyvisible --name '^About Tremlet.exe$' | head -n 1)" "$about"
  key Return
  wait_gone '^About Tremlet.exe$'
  check "OK closes About" "$?" 0
fi

# The system menu: its last item opens About. The focus is in a field first, so that an
# "a" reaching the window instead of the menu would be typed there. A window manager keeps
# Alt+Space for its own window menu; there the menu opens with a right click on the
# window's background.
focus "$main"
units_of "$main" $main_size
click_at "$main" ${at[period]}
if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  how="a right click on the background"
  xdotool mousemove --window "$main" "$(px 165)" "$(py 85)" click 3
else
  how="Alt+Space"
  key alt+space
fi
sleep 0.3
key a
await_window about "$how, then A, opens About from the system menu" '^About Tremlet.exe$'
if [ -n "$about" ]; then
  focus "$about"
  key Return
  wait_gone '^About Tremlet.exe$'
fi
focus "$main"
units_of "$main" $main_size
check "and nothing was typed into the field" "$(read_field "$main" ${at[period]})" 2.667

# The system menu's Move hands the window to the window manager's keyboard move: arrow
# keys move it, Enter leaves it there. Only a window manager can move a window.
if [ "$how" != "Alt+Space" ]; then
  focus "$main"
  before=$(frame_of "$main")
  xdotool mousemove --window "$main" "$(px 165)" "$(py 85)" click 3
  sleep 0.3
  key m
  for _ in 1 2 3 4 5; do key Right; done
  key Return
  sleep 0.3
  read -r x0 _ <<< "$before"
  read -r x1 _ <<< "$(frame_of "$main")"
  check "Move, then the arrow keys, move the window" "$((x1 > x0))" 1
fi

# Help opens the English help page through the desktop.
focus "$main"
units_of "$main" $main_size
key alt+h
sleep 0.5
check "Help opens the help page" "$(tail -n 1 "$OPENED_LOG" | sed 's|.*/drive_c/|drive_c/|')" \
  "drive_c/audio/velmora/help/GARNEK_1.0_english.html"

# A loop file dragged from a file manager onto the period field: its exact length goes
# there, and the beat count its name gives into the beats field.
if [ -n "$drag_source" ]; then
  le() {  # le VALUE BYTES: little-endian bytes
    for ((i = 0; i < $2; i++)); do printf "\\x$(printf %02x $((($1 >> (8 * i)) & 255)))"; done
  }
  loop="$work/break 168 BPM.wav"  # 252000 frames at 44100 Hz: 16 beats at 168 BPM
  data=$((252000 * 2))
  { printf 'RIFF'; le $((36 + data)) 4; printf 'WAVEfmt '; le 16 4; le 1 2; le 1 2
    le 44100 4; le 88200 4; le 2 2; le 16 2; printf 'data'; le $data 4
    head -c $data /dev/zero; } > "$loop"
  "$drag_source" "$loop" &
  source_pid=$!
  source_window=$(wait_window '^tremlet drag source$')
  focus "$main"
  units_of "$main" $main_size
  xdotool mousemove --window "$source_window" 60 30 mousedown 1
  for _ in $(seq 10); do xdotool mousemove_relative 15 10; sleep 0.03; done
  for i in $(seq 10); do
    xdotool mousemove --window "$main" $(($(px 68) + $(px 40) + i)) $(($(py 7) + $(py 7)))
    sleep 0.03
  done
  xdotool mouseup 1
  sleep 0.5
  kill "$source_pid" 2>/dev/null
  focus "$main"
  check "a dropped loop puts its exact length into the period field" \
    "$(read_field "$main" ${at[period]})" 5.714285714285714
  check "and its name's beat count into the beats field" "$(read_field "$main" ${at[beats]})" 16
fi

# Escape ends the program.
focus "$main"
units_of "$main" $main_size
key Escape
ended=no
for _ in $(seq 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    ended=yes
    break
  fi
  sleep 0.05
done
check "Escape ends the program" "$ended" yes
[ "$ended" = yes ] && pid=""

# In a Wayland session with an X server too, the windows go to the X server.
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-tremlet-test XDG_SESSION_TYPE=wayland \
  "$tremlet" &
pid=$!
check "in a Wayland session the window opens on the X server" \
  "$([ -n "$(wait_window '^velmora Tremlet 1.0$')" ] && echo yes)" yes
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=""

summary
