#!/usr/bin/env bash
# End to end, as a user would: starts the real program under a virtual X server,
# waits for the splash and the refractometer window, types a reading and reads
# the results from a screenshot, opens each Tools item through the menu, quits
# with the Quit shortcut and checks that the program exits with status 0.
# Screenshots are kept in the given folder.
#
# Every wait looks again and again for what it waits for and goes on as soon as
# it sees it; its limit (patience) only ends a wait for what never comes, and
# lies far beyond what a loaded machine takes.
#
# usage: run-quillfen.sh PROGRAM REFRACTOMETER_ON_SCREEN SCREENSHOT_FOLDER
set -euo pipefail
program=$1
on_screen=$2
shots=$3
mkdir -p "$shots"

if [ -z "${DISPLAY:-}" ] || [ -z "${QUILLFEN_UNDER_XVFB:-}" ]; then
  export QUILLFEN_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM # a real X display here

patience=30 # seconds
look_again=0.1 # seconds between two looks
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "end-to-end: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }

# Runs the command until it succeeds; fails once the patience has run out.
eventually() {
  local deadline=$((SECONDS + patience))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep "$look_again"
  done
}

# Waits for a visible window whose title matches, and prints its id.
window_named() { timeout "$patience" xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

# The screen is grabbed whole and cut: a grab of one window that closes meanwhile
# would wait for a click to choose another.
screen_before() { import -window root "$scratch/before.png"; }
# A digest of the pixels of a region (WIDTHxHEIGHT+X+Y) of a screenshot.
pixels_in() { convert "$1" -crop "$2" +repage rgb:- | md5sum | cut -d' ' -f1; }
showing() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# Where the window is on the screen, as WIDTHxHEIGHT+X+Y.
region_of() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$1") || return 1
  eval "$geometry"
  echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

# Takes the screenshot once the window has drawn itself: its place shows other
# pixels than on the screenshot taken before it opened (a window that has not
# drawn yet still shows what lay there), and the same pixels on two screenshots
# in a row. A window that closes itself meanwhile, as the splash does after a
# second, leaves the last screenshot that showed it drawn.
shot_once_drawn() {
  local window=$1 shot=$2 deadline=$((SECONDS + patience)) region was now last="" drawn=""
  region=$(region_of "$window") || return 1
  was=$(pixels_in "$scratch/before.png" "$region")
  while [ "$SECONDS" -lt "$deadline" ]; do
    import -window root "$scratch/now.png"
    if ! showing "$window"; then
      [ -n "$drawn" ] || cp "$scratch/now.png" "$shot"
      return 0
    fi
    now=$(pixels_in "$scratch/now.png" "$region")
    if [ "$now" != "$was" ]; then
      cp "$scratch/now.png" "$shot"
      drawn=yes
      [ "$now" != "$last" ] || return 0
    fi
    last=$now
    sleep "$look_again"
  done
  return 1
}

# The program's popup menu that shows now, other than the one given: its one
# window that the desktop does not manage.
popup_menu() {
  local window
  for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [ "$window" != "${1:-}" ] || continue
    xwininfo -id "$window" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
    echo "$window"
    return 0
  done
  return 1
}
no_popup_menu() { ! popup_menu ""; }

# Whether the keyboard is in that window, or without one, in any window of the program.
keyboard_in() {
  local focused
  focused=$(xdotool getwindowfocus 2>/dev/null) || return 1
  if [ -n "${1:-}" ]; then
    [ "$focused" = "$1" ]
  else
    xdotool search --pid "$pid" 2>/dev/null | grep -qx "$focused"
  fi
}

# Whether the screenshot shows the refractometer's fields as expected (the
# checker's exit status 1); its other failures end the wait at once.
brix_fields_shown() {
  import -window root "$shots/2-brix-tool.png"
  local status=0
  "$on_screen" "$shots/2-brix-tool.png" "$X" "$Y" "$shots/2-brix-fields" \
    TF_OB=12 TF_OG=1.046 TF_FG=1.009 TF_AA=80.4% TF_A=65.9% TF_ABV=5.0 TF_RE=4.0 TF_WCF=1.040 \
    > "$scratch/brix-fields.txt" 2>&1 || status=$?
  [ "$status" -ne 2 ] || fail "cannot check the refractometer's fields: $(cat "$scratch/brix-fields.txt")"
  [ "$status" -eq 0 ]
}

screen_before
"$program" &
pid=$!

splash=$(timeout "$patience" xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || fail "no window appeared"
# The splash has no title, and the desktop is told none.
splash_title=$(xprop -id "$splash" _NET_WM_NAME)
[ "$splash_title" = "_NET_WM_NAME(UTF8_STRING) = " ] || fail "the splash tells the desktop a title: $splash_title"
shot_once_drawn "$splash" "$shots/1-splash.png" || fail "the splash never drew itself"

brix=$(window_named '^BRIX Tool$') || fail "the BRIX Tool window never appeared"
# The window opens with the keyboard in the original-Brix field, its text selected: type a reading.
eventually keyboard_in "$brix" || fail "the keyboard never came to the BRIX Tool window"
xdotool type --delay 50 '12'
xdotool key Tab
xdotool type --delay 50 '6'
# The reading went where the keyboard was, and every result shows whole: each
# field as it draws itself alone with the expected text.
eval "$(xdotool getwindowgeometry --shell "$brix")"
mkdir -p "$shots/2-brix-fields"
eventually brix_fields_shown || {
  cat "$scratch/brix-fields.txt" >&2
  fail "the refractometer does not show the reading and its results whole (see $shots/2-brix-fields)"
}

# The Edit menu, open, for people to look at: two separators, each only a line.
screen_before
xdotool key alt+e
edit=$(eventually popup_menu "") || fail "Alt+E did not open the Edit menu"
shot_once_drawn "$edit" "$shots/2-edit-menu.png" || fail "the Edit menu never drew itself"
xdotool key Escape

# Tools is the menu after Edit: open Edit by its mnemonic, step right, pick the
# n-th item; a screenshot shows the window that opened, on top.
open_tool() {
  local downs=$1 title=$2 shot=$3 edit tool
  eventually no_popup_menu || fail "a menu stayed open"
  xdotool mousemove --window "$brix" 250 150 click 1
  eventually keyboard_in || fail "the keyboard did not come back to the program"
  screen_before
  xdotool key alt+e
  edit=$(eventually popup_menu "") || fail "Alt+E did not open the Edit menu"
  xdotool key Right
  eventually popup_menu "$edit" >/dev/null || fail "Right did not step from Edit to Tools"
  for ((i = 0; i < downs; i++)); do xdotool key Down; done
  xdotool key Return
  tool=$(window_named "^$title\$") || fail "Tools item $downs did not open \"$title\""
  shot_once_drawn "$tool" "$shots/$shot" || fail "\"$title\" never drew itself"
}
open_tool 1 'Parti Gyle Tool' 3-parti-gyle-tool.png
open_tool 2 'Boil Calc' 4-boil-calc.png
open_tool 3 'Carbonation Tool' 5-carbonation-tool.png
open_tool 4 'Bottle Tool' 6-bottle-tool.png

xdotool mousemove --window "$brix" 250 150 click 1
eventually keyboard_in || fail "the keyboard did not come back to the program"
xdotool key ctrl+q
program_ended() { ! kill -0 "$pid" 2>/dev/null; }
eventually program_ended || fail "the program did not quit within $patience seconds"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program exited with status $status"
echo "end-to-end: splash, BRIX Tool, four Tools windows and Quit: exit status 0"
