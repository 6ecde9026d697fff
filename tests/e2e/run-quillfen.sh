#!/usr/bin/env bash
# End to end, as a user would: starts the real program under a virtual X server,
# waits for the splash and the refractometer window, types a reading and reads
# the results from a screenshot, opens each Tools item through the menu, quits
# with the Quit shortcut and checks that the program exits with status 0.
# Screenshots are kept in the given folder.
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

fail() { echo "end-to-end: $*" >&2; kill "$pid" 2>/dev/null || true; exit 1; }
# Waits for a visible window whose title matches, and prints its id.
window_named() { timeout "${2:-15}" xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

"$program" &
pid=$!

splash=$(timeout 15 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || fail "no window appeared"
# The splash has no title, and the desktop is told none.
splash_title=$(xprop -id "$splash" _NET_WM_NAME)
[ "$splash_title" = "_NET_WM_NAME(UTF8_STRING) = " ] || fail "the splash tells the desktop a title: $splash_title"
sleep 0.3
import -window root "$shots/1-splash.png"

brix=$(window_named '^BRIX Tool$') || fail "the BRIX Tool window never appeared"
sleep 0.3
# The window opens with the keyboard in the original-Brix field, its text selected: type a reading.
xdotool type --delay 50 '12'
xdotool key Tab
xdotool type --delay 50 '6'
sleep 0.3
import -window root "$shots/2-brix-tool.png"
# The reading went where the keyboard was, and every result shows whole: each
# field as it draws itself alone with the expected text.
eval "$(xdotool getwindowgeometry --shell "$brix")"
mkdir -p "$shots/2-brix-fields"
"$on_screen" "$shots/2-brix-tool.png" "$X" "$Y" "$shots/2-brix-fields" \
  TF_OB=12 TF_OG=1.046 TF_FG=1.009 TF_AA=80.4% TF_A=65.9% TF_ABV=5.0 TF_RE=4.0 TF_WCF=1.040 \
  || fail "the refractometer does not show the reading and its results whole (see $shots/2-brix-fields)"

# The Edit menu, open, for people to look at: two separators, each only a line.
xdotool key alt+e
sleep 0.3
import -window root "$shots/2-edit-menu.png"
xdotool key Escape

# Tools is the menu after Edit: open Edit by its mnemonic, step right, pick the
# n-th item; a screenshot shows the window that opened, on top.
open_tool() {
  local downs=$1 title=$2 shot=$3
  xdotool mousemove --window "$brix" 250 150 click 1
  xdotool key alt+e
  sleep 0.2
  xdotool key Right
  sleep 0.2
  for ((i = 0; i < downs; i++)); do xdotool key Down; done
  xdotool key Return
  window_named "^$title\$" 10 >/dev/null || fail "Tools item $downs did not open \"$title\""
  sleep 0.3
  import -window root "$shots/$shot"
}
open_tool 1 'Parti Gyle Tool' 3-parti-gyle-tool.png
open_tool 2 'Boil Calc' 4-boil-calc.png
open_tool 3 'Carbonation Tool' 5-carbonation-tool.png
open_tool 4 'Bottle Tool' 6-bottle-tool.png

xdotool mousemove --window "$brix" 250 150 click 1
xdotool key ctrl+q
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not quit within 5 seconds"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program exited with status $status"
echo "end-to-end: splash, BRIX Tool, four Tools windows and Quit: exit status 0"
