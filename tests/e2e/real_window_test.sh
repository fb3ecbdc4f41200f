#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program on a virtual X server, driven by real key and mouse events: a birth typed in, the
# reading button, the reading window, Back; a second start refused while the first runs; a second start
# with a births file, which the running copy opens; Exit; and a
# start after the running copy was killed with -9. Pictures of each step go to the artifacts folder.
# Usage: real_window_test.sh <quorvane binary> <artifacts folder>   (run under xvfb-run)
set -euo pipefail
app=$1
artifacts=$2
# The caption and the forms' sizes, as the build made them.
. "$(dirname "$app")/../generated/product.env"
title_pattern=${QUORVANE_TITLE//./\\.}
mkdir -p "$artifacts"
rm -f "$artifacts"/*.png "$artifacts/program.log"
runtime=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$runtime"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; import -window root "$artifacts/failure.png" 2>/dev/null || true; exit 1; }

start() {  # starts a copy (with the arguments given); its pid in $started
  QUORVANE_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$runtime/config QT_QPA_PLATFORM=xcb "$app" "$@" >>"$artifacts/program.log" 2>&1 &
  started=$!
  pids+=("$started")
}

# The id of a visible window captioned $QUORVANE_TITLE of width $1 (of process $2 when given).
wait_for_window() {
  for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible ${2:+--pid "$2"} --name "^${title_pattern}\$" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      if [ "$WIDTH" = "$1" ]; then echo "$id"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

wait_gone() {  # process $1 ends within five seconds
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

shoot() {  # window id, file name: the screen cut to that window
  eval "$(xdotool getwindowgeometry --shell "$1")"
  sleep 0.3
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$artifacts/$2"
}

click() {  # window id, x, y in the window's client area below the menu bar ($menu high)
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove "$((X + $2))" "$((Y + menu + $3))" click 1
  sleep 0.3
}

key() { xdotool key --delay 50 "$@"; sleep 0.1; }
type_text() { xdotool type --delay 50 "$1"; sleep 0.1; }

# The reading window of process $1, or a clear failure: when the form refused the birth with a message
# box, a click or a Tab reached another field than the one meant ($2 says which way the fields were reached).
expect_reading() {
  local id box
  if id=$(wait_for_window "$QUORVANE_READING_FORM_WIDTH" "$1"); then echo "$id"; return 0; fi
  box=$(xdotool search --onlyvisible --pid "$1" --name '^Quorvane$' 2>/dev/null | head -1 || true)
  [ -n "$box" ] && fail "$2: the form answered with a message box instead of a reading: a field was not reached where the test typed"
  fail "$2: the reading window did not appear"
}

# The birth of ASHA, typed field by field in the form's Tab order, starting in the name field.
type_birth() {
  type_text "asha"
  key Tab; type_text "Jun"; key Tab; type_text "15"; key Tab; type_text "1985"
  key Tab; type_text "7"; key Tab; type_text "30"; key Tab; key Tab
  key Tab; type_text "Ind"
  key Tab; type_text "18"; key Tab; type_text "31"; key Tab
  key Tab; type_text "73"; key Tab; type_text "51"
}

# 1. A birth typed in, the reading, Back.
start; first=$started
main=$(wait_for_window "$QUORVANE_BIRTH_FORM_WIDTH" "$first") || fail "the birth-data form did not appear"
xdotool windowfocus --sync "$main"
menu=$(( $(xdotool getwindowgeometry --shell "$main" | sed -n 's/^HEIGHT=//p') - QUORVANE_BIRTH_FORM_HEIGHT ))
shoot "$main" 01-birth-form.png
# The name field has the focus at start: move it away first, so that only a click that really lands in
# the name field brings it back.
key shift+Tab
click "$main" 200 105   # the name field
type_birth
shoot "$main" 02-birth-typed.png
click "$main" 216 388   # the reading button
reading=$(expect_reading "$first" "mouse (name field at 200,105, reading button at 216,388)")
eval "$(xdotool getwindowgeometry --shell "$reading")"
[ "$HEIGHT" -ge "$QUORVANE_READING_FORM_HEIGHT" ] || fail "the reading window is ${WIDTH}x${HEIGHT}, not ${QUORVANE_READING_FORM_WIDTH} wide and ${QUORVANE_READING_FORM_HEIGHT} high below its menu"
xdotool search --onlyvisible --pid "$first" --name "^${title_pattern}\$" | grep -qx "$main" &&
  fail "the birth-data form stayed visible beside the reading"
shoot "$reading" 03-reading.png
reading_menu=$((HEIGHT - QUORVANE_READING_FORM_HEIGHT))
menu_saved=$menu; menu=$reading_menu
click "$reading" 626 511  # Back
menu=$menu_saved
main=$(wait_for_window "$QUORVANE_BIRTH_FORM_WIDTH" "$first") || fail "Back did not bring the birth-data form back"
shoot "$main" 04-back.png

# 2. A second start while the first runs: refused, and one copy stays.
start; second=$started
refusal=""
for _ in $(seq 100); do
  # The message box is captioned with the application's name alone.
  refusal=$(xdotool search --onlyvisible --pid "$second" --name '^Quorvane$' 2>/dev/null | head -1) &&
    [ -n "$refusal" ] && break
  sleep 0.1
done
[ -n "$refusal" ] || fail "the second start showed no message"
sleep 0.3
import -window root "$artifacts/05-second-start.png"
# Its one button, OK, sits in the box's lower right corner.
eval "$(xdotool getwindowgeometry --shell "$refusal")"
xdotool mousemove "$((X + WIDTH - 52))" "$((Y + HEIGHT - 23))" click 1
wait_gone "$second" || fail "the second copy did not end after its message"
kill -0 "$first" 2>/dev/null || fail "the first copy ended when the second started"

# 2b. A second start with a births file hands the file over: no message, the running copy opens it.
printf '%s\n' '#A93:Lind,Mia,f,14.6.1962,23:15,Uppsala,S' '#B93:*,59n51,17e38,1he00,1' > "$runtime/family.aaf"
cd "$runtime"; start family.aaf; second=$started; cd - >/dev/null  # a name relative to where it starts
# A message box would hold the second copy open: ending by itself is the proof that it showed none.
wait_gone "$second" || fail "the second start with a file did not end (a message box?)"
births=""
for _ in $(seq 50); do
  births=$(xdotool search --all --onlyvisible --pid "$first" --name '^Births.*family\.aaf' 2>/dev/null | head -1) &&
    [ -n "$births" ] && break
  sleep 0.1
done
[ -n "$births" ] || fail "the running copy did not open the births file handed to it"
shoot "$births" 05b-births-handed-over.png
# The list by keyboard: the filter box has the focus; Enter fills the form with the birth shown.
xdotool windowfocus --sync "$births"
type_text "upp"; key Return
shoot "$main" 05c-form-filled-from-births.png

# 3. Exit from the reading window ends the program.
xdotool windowfocus --sync "$main"
click "$main" 216 388
reading=$(wait_for_window "$QUORVANE_READING_FORM_WIDTH" "$first") || fail "the second reading did not appear"
menu=$reading_menu
click "$reading" 714 511  # Exit
menu=$menu_saved
wait_gone "$first" || fail "Exit did not end the program"

# 4. A copy killed with -9 leaves its lock behind; the next start must still come up.
start; killed=$started
wait_for_window "$QUORVANE_BIRTH_FORM_WIDTH" "$killed" >/dev/null || fail "the program did not start again after Exit"
kill -9 "$killed"; wait "$killed" 2>/dev/null || true
start; after=$started
main=$(wait_for_window "$QUORVANE_BIRTH_FORM_WIDTH" "$after") || fail "no start after kill -9 of the running copy"
shoot "$main" 06-after-kill.png

# 5. The same birth by keyboard alone: the name field has the focus at start, Tab reaches every other
# field, File > Get My Galactic Astrology Reading by Alt+F and Enter, and Alt+E is the reading's Exit.
xdotool windowfocus --sync "$main"
type_birth
key alt+f; key Return
reading=$(expect_reading "$after" "keyboard (Tab order from the name field, Alt+F Enter)")
shoot "$reading" 07-keyboard-reading.png
key alt+e
wait_gone "$after" || fail "Alt+E on the reading window did not end the program"
echo "PASS: reading by mouse and by keyboard, Back, refused second start, a births file handed over, Exit, start after kill -9 (pictures in $artifacts)"
