#!/bin/sh
# The File menu walked through with the mouse and keyboard only, against a
# virtual servo, with a screenshot after each step. Needs an X display:
#   xvfb-run -a -s '-screen 0 1280x1024x24' sh scripts/walkthrough.sh OUTDIR
# Backups, documents and ports all stay in a temporary folder.
set -eu
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-walkthrough}")
mkdir -p "$out"
work=$(mktemp -d)
app=""
servo=""
trap 'kill $app $servo 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
mkdir -p "$work/home/Documents"
export XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/data" HOME="$work/home"
ports="$work/run/tessaro-ports"
cli() { build/tools/cli/tessaro-cli "$@" --port-folder "$ports"; }

build/tools/servoemu/tessaro-servo --com 1 --quiet &
servo=$!
sleep 1
cli read >"$out/before.txt"
# A settings file for another wing servo: more throw, less speed, centre moved.
file="$HOME/Documents/wing.json"
cli save "$file"
sed -i -e 's/"throw": *90/"throw": 120/' -e 's/"speed": *100/"speed": 60/' \
  -e 's/"centre": *0/"centre": 12/' "$file"

build/src/tessaro --port-folder "$ports" &
app=$!
wid=$(xdotool search --sync --onlyvisible --name 'Korvane Tessaro' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The client (505 x 552) sits under the menu bar.
top=$((Y + HEIGHT - 552))
click() {
  xdotool mousemove $((X + $1)) $((top + $2)) click 1
  sleep "${3:-3}"
}
keys() {
  xdotool key --delay 150 "$@"
  sleep 1.5
}
shot() { import -window root "$out/$1.png"; }

shot 01-start
click 60 57 # Connect
shot 02-connected
keys ctrl+o
shot 03-open-dialog
xdotool type --delay 20 "$file"
keys Return
shot 04-opened
click 428 445 5 # PROGRAM
shot 05-programmed
cli read >"$out/programmed.txt" 2>&1 || true
keys alt+f
shot 06-file-menu
keys r # Restore a backup… opens the History dialog, newest write selected
shot 07-restore-list
keys alt+b # Load the state before
shot 08-restored
click 428 445 5 # PROGRAM
shot 09-programmed-again
click 60 57 # Connect
shot 10-connected-again
cli read >"$out/after.txt"
if cmp -s "$out/before.txt" "$out/after.txt"; then
  echo "the servo holds what it held before"
else
  echo "the servo holds something else:" >&2
  diff "$out/before.txt" "$out/after.txt" >&2 || true
  exit 1
fi
