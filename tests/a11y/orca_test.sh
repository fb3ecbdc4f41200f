#!/usr/bin/env bash
# Quorvane used with the Orca screen reader alone, by keyboard, as a blind user uses it: Orca (with its
# debug file recording every "SPEECH OUTPUT") and speech-dispatcher speaking to a null audio device, on a
# virtual X screen with a small window manager and a D-Bus session of their own. Each step presses keys
# with xdotool and waits until Orca has said what a listener needs to hear; no step sleeps blindly.
# The transcript of the walk goes to <artifacts>/transcript.txt, Orca's whole debug log beside it.
# Usage: orca_test.sh <quorvane binary> <artifacts folder>
#        (it starts Xvfb and D-Bus itself; every process it started is ended when it ends)
set -euo pipefail

app=$(readlink -f "$1")
artifacts=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
rm -f "$artifacts"/*
work=$(mktemp -d)
pids=()

cleanup() {
  local status=$?
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for p in "${pids[@]}"; do
    for _ in $(seq 20); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$p" 2>/dev/null || true
  done
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

log=$artifacts/orca-debug.log
transcript=$artifacts/transcript.txt
: >"$transcript"

fail() {
  echo "FAIL: $*" | tee -a "$transcript" >&2
  echo "---- Orca said since the step began:" >&2
  spoken_since "$step_start" >&2 || true
  [ -n "${DISPLAY:-}" ] && command -v import >/dev/null && import -window root "$artifacts/failure.png" 2>/dev/null || true
  exit 1
}

# ---- the desktop: X server, D-Bus session, window manager, speech and the screen reader

export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 NO_AT_BRIDGE=0 GTK_MODULES=gail:atk-bridge

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$artifacts/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

eval "$(dbus-launch --sh-syntax)"
export DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID

openbox --sm-disable >"$artifacts/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done

# speech-dispatcher speaks through espeak-ng into ALSA's null device: nothing is heard, everything is said.
speechd_conf=$XDG_CONFIG_HOME/speech-dispatcher
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$speechd_conf/modules/"
cat >"$speechd_conf/speechd.conf" <<EOF
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
LogLevel 2
LogDir "$artifacts"
EOF
export SPEECHD_ADDRESS=unix_socket:$XDG_RUNTIME_DIR/speechd.sock
speech-dispatcher -s -t 0 -C "$speechd_conf" -c unix_socket -S "$XDG_RUNTIME_DIR/speechd.sock" \
  -P "$work/speechd.pid" >"$artifacts/speechd.out" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/speechd.sock" ] && break; sleep 0.05; done

/usr/bin/python3 "$here/orca_launch.py" "$log" >"$artifacts/orca.out" 2>&1 &
pids+=($!)
orca_pid=$!

# ---- reading what Orca said

step_start=1
lines() { [ -f "$log" ] && wc -l <"$log" || echo 0; }
# What Orca said from line $1 of its log on, one utterance a line.
spoken_since() {
  tail -n +"$1" "$log" 2>/dev/null | sed -nE "s/^.*SPEECH OUTPUT: '(.*)'( ?\{.*\})? *$/\1/p" | grep -v '^$' || true
}
# A step: its title goes into the transcript, and what Orca says from here on belongs to it.
step() {
  flush_step
  step_title=$1
  step_start=$(($(lines) + 1))
}
step_title=""
flush_step() {
  [ -n "$step_title" ] || return 0
  {
    echo "## $step_title"
    spoken_since "$step_start" | sed 's/^/    /'
    echo
  } >>"$transcript"
}
# Waits (up to $2 seconds, 10 by default) until Orca has said something matching the extended regular
# expression $1 since the step began.
heard() {
  local deadline=$((SECONDS + ${2:-10}))
  while ((SECONDS <= deadline)); do
    spoken_since "$step_start" | grep -Eq -- "$1" && return 0
    kill -0 "$orca_pid" 2>/dev/null || fail "Orca ended"
    sleep 0.1
  done
  fail "Orca did not say /$1/ in step \"$step_title\""
}
# Orca has not said $1 since the step began (checked once the step's speech has arrived).
not_heard() {
  if spoken_since "$step_start" | grep -Eq -- "$1"; then fail "Orca said /$1/ in step \"$step_title\""; fi
}
utterances() { spoken_since 1 | wc -l; }
# Waits until Orca has been quiet for half a second (its log stops growing), at most ten seconds: keys
# pressed while it is still busy with a new window could reach the program before Orca has them.
quiet() {
  local size last=-1
  for _ in $(seq 100); do
    size=$(stat -c %s "$log")
    ((size == last)) && return 0
    last=$size
    sleep 0.5
  done
}
# Presses keys and waits until Orca has said something new (up to $KEY_WAIT seconds), then a moment more
# for the rest of what it says to that key.
key() {
  local before; before=$(utterances)
  xdotool key --clearmodifiers --delay 30 "$@"
  settle "$before"
}
settle() {
  local deadline=$((SECONDS + ${KEY_WAIT:-3})) now last
  while ((SECONDS <= deadline)); do
    now=$(utterances)
    if ((now > $1)); then
      # Speech for one key comes in a burst: wait until 0.3 s pass without a new utterance.
      last=$now
      while sleep 0.3; now=$(utterances); ((now > last)); do last=$now; done
      return 0
    fi
    sleep 0.05
  done
}
type_text() { local before; before=$(utterances); xdotool type --delay 40 "$1"; settle "$before"; }
# The last thing Orca said.
last_said() { spoken_since "$step_start" | tail -n 1; }
# Presses Tab (or the key given as $2) until Orca's last utterance matches $1, at most ${3:-12} times.
tab_to() {
  for _ in $(seq "${3:-12}"); do
    key "${2:-Tab}"
    spoken_since "$step_start" | tail -n 3 | grep -Eq -- "$1" && return 0
  done
  fail "Tab did not reach /$1/ in step \"$step_title\""
}
alive() { kill -0 "$program" 2>/dev/null || fail "the program ended in step \"$step_title\""; }
ended() {
  for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || return 0; sleep 0.1; done
  fail "the program did not end in step \"$step_title\""
}

step "Orca starts"
heard "Screen reader on" 30

# ---- the program

births=$work/family.aaf
printf '%s\n' '#A93:Lind,Mia,f,14.6.1962,23:15,Uppsala,S' '#B93:*,59n51,17e38,1he00,1' \
  '#A93:Okafor,Chidi,m,2.11.1990,6:05,Lagos,NG' '#B93:*,6n27,3e23,-1h00,1' >"$births"
# The web pages the program opens are written down instead of shown.
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/pages" >"$work/browser"
chmod +x "$work/browser"
: >"$work/pages"
start_app() {
  QUORVANE_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 BROWSER=$work/browser \
    "$app" "$@" >>"$artifacts/program.log" 2>&1 &
  pids+=($!)
  started=$!
}

step "The program starts on the birth-data form"
start_app
program=$started
heard "Quorvane v1.35 frame" 40
heard "^Name text"
quiet

[ -n "${ORCA_TEST_HOLD:-}" ] && { env | grep -E "^(DISPLAY|DBUS_SESSION_BUS_ADDRESS|HOME|XDG_RUNTIME_DIR)=" >"$ORCA_TEST_HOLD.env"; sleep 60; }

step "Name: typing asha"
type_text "asha"
heard "a"

step "Tab to the birth month, Down five times to June"
key Tab
heard "Birth month combo box"
not_heard "Date of Birth"
for _ in 1 2 3 4 5; do key Down; done
heard "^June"
heard "^February"

step "Tab to the day, type 15; the year, type 1985; the hour, type 7; the minute, type 30"
key Tab; heard "Birth day combo box"
type_text "15"; heard "^15"
key Tab; heard "Birth year combo box"
type_text "1985"; heard "^1985"
key Tab; heard "Birth hour combo box"
type_text "7"; heard "^7"
key Tab; heard "Birth minute combo box"
type_text "30"; heard "^30"

step "Tab on to City; each field says its own name"
tab_to "^City text" Tab 12
heard "Birth second combo box"
heard "Daylight Saving Time check box"
heard "Time zone combo box"
heard "Latitude degrees text"
heard "Longitude minutes text"
not_heard "^Deg"

step "City: Madrid; State left empty; Country: Spain; the finder button with Return"
type_text "Madrid"
key Tab; heard "^State text"
key Tab; heard "^Country text"
type_text "Spain"
key Tab; heard "Click Here To Find Latitude & Longitude push button"
key Return
heard "Please Enter State" 10

step "The message closes with Return and the State field has the focus"
key Return
heard "^State text"
type_text "Madrid"

step "The finder: Tab to the list of places, which reads its one place"
tab_to "Click Here To Find Latitude" Tab 3
key Return
heard "Find Latitude & Longitude" 10
key Tab
heard "Places found"
heard "Madrid"

step "Return uses the place: the zone suggestion is announced"
key Return
heard "Time zone suggestion" 10
heard "Madrid on 15 Jun 1985 07:30"

step "Back to Apply by Shift+Tab: it says what it applies; Return applies it"
tab_to "Apply the suggested time zone push button" shift+Tab 14
heard "Apply the suggested time zone push button.*UTC|Madrid on 15 Jun 1985"
key Return
key shift+Tab
heard "Time zone combo box"
heard "Central European"

step "Tab to the reading button; Return gets the reading"
tab_to "Get My Galactic Astrology Reading push button" Tab 16
key Return
heard "Galactic Sun Sign, [A-Z][a-z]+" 10
not_heard "discussion board"

step "Tab through the reading"
for _ in $(seq 20); do key Tab; done
for frame in "Galactic Sun Sign" "Galactic Ascendant" "Galactic Moon Sign" "Galactic Descendant"; do
  heard "$frame, [A-Z][a-z]+"
  heard "$frame characteristics"
done
for heading in "Ruling Planet" "Constellation" "Keywords"; do
  [ "$(spoken_since "$step_start" | grep -Ec "^$heading, ")" -ge 4 ] || fail "not every frame's $heading was heard"
done

step "Orca's where-am-I (keypad Enter) is Orca's: the program stays"
key KP_Enter
alive

step "Enter on the focused banner link opens its page; the program stays"
tab_to "link" shift+Tab 25
key Return
for _ in $(seq 50); do [ -s "$work/pages" ] && break; sleep 0.1; done
[ -s "$work/pages" ] || fail "Enter on a link opened no page"
alive

step "The wheel (Ctrl+Shift+W): its positions, read row by row"
key ctrl+shift+w
heard "Positions" 10
heard "Sun"
key Down
heard "Moon"
key Escape
heard "Quorvane v1.35"

step "Back (Alt+B) to the birth-data form"
key alt+b
heard "Quorvane v1.35 frame" 10

step "A births file handed to the program: the births list"
start_app "$births"
heard "Births" 10
key Down
heard "Lind"
key Down
heard "Okafor"
key Return

step "File, Get My Galactic Astrology Reading, then Esc ends the program"
key alt+f
key Return
heard "Galactic Sun Sign, [A-Z][a-z]+" 10
key Escape
ended

flush_step
echo "PASS"
