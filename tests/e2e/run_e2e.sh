#!/usr/bin/env bash
# Drives the real tremlet executable on an X display with real key presses and clicks
# (xdotool), and reads the results back as a user can: select a field, copy it, read the
# clipboard (xclip). Takes a screenshot of every window it sees into the artifact folder.
#
# Usage (under an X server, e.g. xvfb-run):  run_e2e.sh TREMLET ARTIFACT_DIR
set -uo pipefail

tremlet=$1
artifacts=$2
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

passed=0
failed=0
check() {  # check NAME ACTUAL EXPECTED
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
    echo "ok   $1"
  else
    failed=$((failed + 1))
    echo "FAIL $1: got '$2', expected '$3'"
  fi
}

wait_window() {  # wait_window TITLE-REGEX -> window id
  timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
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

# Dialog units to pixels, from the base units found below.
px() { echo $((($1 * bx + 2) / 4)); }
py() { echo $((($1 * by + 4) / 8)); }
click_at() {  # click_at WINDOW X Y W H: the middle of a control's rectangle in dialog units
  xdotool mousemove --window "$1" $((((2 * $2 + $4) * bx + 4) / 8)) \
    $((((2 * $3 + $5) * by + 8) / 16)) click 1
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
shot() { import -window "$1" "$artifacts/$2.png" 2>/dev/null || xwd -id "$1" -out "$artifacts/$2.xwd"; }

"$tremlet" --style=windows -platform offscreen &
pid=$!

main=$(wait_window '^velmora Tremlet 1.0$')
if [ -z "$main" ]; then
  echo "FAIL the main window never appeared"
  echo "0 passed, 1 failed"
  exit 1
fi
sleep 0.3
focus "$main"

# Base units from the main window's size: 241 x 125 dialog units.
size=$(size_of "$main")
width=${size%x*}
height=${size#*x}
bx=0
by=0
for u in $(seq 3 16); do
  [ $(((241 * u + 2) / 4)) -eq "$width" ] && bx=$u
  [ $(((125 * u + 4) / 8)) -eq "$height" ] && by=$u
done
echo "main window ${size} pixels: base units ${bx} x ${by}"
check "main window size matches its template in dialog units" "$((bx > 0 && by > 0))" 1
shot "$main" main-window
# The command line is ignored: with "-platform offscreen" read, no window would be here.

check "period starts at 2" "$(read_field "$main" 68 7 80 14)" 2
check "beats start at 4" "$(read_field "$main" 68 26 58 14)" 4
check "tempo starts at 120" "$(read_field "$main" 67 47 80 14)" 120

# The typical request: subdivisions on, a 3 s loop of 4 beats, Compute Tempo.
click_at "$main" 67 65 87 12
click_at "$main" 68 7 80 14
key ctrl+a
xdotool type 3
click_at "$main" 175 7 59 16
sub=$(wait_window '^velmora Tremlet NTH$')
check "the subdivision window opens" "$([ -n "$sub" ] && echo yes)" yes
if [ -n "$sub" ]; then
  sleep 0.2
  check "subdivision window size" "$(size_of "$sub")" "$(px 136)x$(py 138)"
  shot "$sub" subdivision-window
  focus "$sub"
  rows=""
  for i in 0 1 2 3 4 5 6 7; do
    rows="$rows $(read_field "$sub" 57 $((7 + 16 * i)) 58 12)"
  done
  check "subdivisions of 3 s" "$rows" " 1.500 0.750 0.375 0.188 0.094 0.047 0.023 0.012"
  key Escape
  wait_gone '^velmora Tremlet NTH$'
  check "Escape closes the subdivision window" "$?" 0
fi
focus "$main"
check "tempo of a 3 s loop of 4 beats" "$(read_field "$main" 67 47 80 14)" 80.000

# A period from a tempo, by the keyboard: Alt+D turns the subdivisions off, Alt+P computes.
key alt+d
click_at "$main" 67 47 80 14
key ctrl+a
xdotool type 90
key alt+p
check "period of 4 beats at 90 BPM" "$(read_field "$main" 68 7 80 14)" 2.667

# Invalid input: no beats.
click_at "$main" 68 26 58 14
key ctrl+a
key BackSpace
key alt+t
box=$(wait_window '^tremlet$')
check "invalid data shows a message box captioned tremlet" "$([ -n "$box" ] && echo yes)" yes
if [ -n "$box" ]; then
  sleep 0.2
  shot "$box" invalid-data-box
  focus "$box"
  key Return
  wait_gone '^tremlet$'
fi
focus "$main"
check "the tempo field is unchanged after invalid data" "$(read_field "$main" 67 47 80 14)" 90

# About: Escape opens the site shortcut and leaves the window open; OK closes it.
click_at "$main" 7 102 59 16
about=$(wait_window '^About Tremlet.exe$')
check "About opens" "$([ -n "$about" ] && echo yes)" yes
if [ -n "$about" ]; then
  sleep 0.2
  check "About window size" "$(size_of "$about")" "$(px 179)x$(py 69)"
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

# The system menu, opened with Alt+Space: its last item opens About. The focus is in a
# field first, so that an "a" reaching the window instead of the menu would be typed there.
focus "$main"
click_at "$main" 68 7 80 14
key alt+space
sleep 0.3
key a
about=$(wait_window '^About Tremlet.exe$')
check "Alt+Space, then A, opens About from the system menu" "$([ -n "$about" ] && echo yes)" yes
if [ -n "$about" ]; then
  focus "$about"
  key Return
  wait_gone '^About Tremlet.exe$'
fi
focus "$main"
check "and nothing was typed into the field" "$(read_field "$main" 68 7 80 14)" 2.667

# Help opens the English help page through the desktop.
focus "$main"
key alt+h
sleep 0.5
check "Help opens the help page" "$(tail -n 1 "$OPENED_LOG" | sed 's|.*/drive_c/|drive_c/|')" \
  "drive_c/audio/velmora/help/GARNEK_1.0_english.html"

# Escape ends the program.
focus "$main"
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

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
