#!/bin/sh
# Retakes the screenshots of the user guide (docs/help/Images) from the running
# demo host. Needs Xvfb, xdotool and ImageMagick; run from the repository root
# after a build:  xvfb-run -a -s "-screen 0 1400x900x24" docs/help-screenshots.sh
# The clicks are offsets inside the wizard window at its default size (900x640).
set -eu
out=${PW_HELP_IMAGES:-docs/help/Images}
host=build/app/partwright-host/partwright-host
tmp=$(mktemp -d)
"$host" --start-wizard --model-lib-path "$PWD/examples/modellib" --database "$tmp/db" &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$tmp"' EXIT
sleep 4
win=$(xdotool search --name 'Partwright Wizard' | tail -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep "${3:-1}"; }
# shot NAME [WIDTH HEIGHT [X Y]]: crop relative to the wizard window, 8-bit palette.
shot() {
  import -window root "$tmp/root.png"
  convert "$tmp/root.png" -crop "${2:-$WIDTH}x${3:-$HEIGHT}+$((X + ${4:-0}))+$((Y + ${5:-0}))" +repage \
    -strip -dither None -colors 48 "PNG8:$out/$1.png"
}
next() { click 750 617 "${1:-1}"; }

shot start
click 440 176 0.2
xdotool type --delay 5 "$PWD/examples/modellib/octal-latch-373.model"
next 1.5; shot device
next; shot header
next; shot packages
next 1.5; shot pinlists
click 330 52; shot truthtable
click 458 52; shot testsequence
click 570 52; shot enable
click 684 52; shot disable
click 802 52; shot latch
next; shot finish
click 27 8 0.6; shot menu-model 285 165; xdotool key Escape
click 73 8 0.6; shot menu-help 200 95
click 107 75 1
about=$(xdotool search --name 'About \.\.\.' | tail -1)
eval "$(xdotool getwindowgeometry --shell "$about")"
import -window root "$tmp/root.png"
convert "$tmp/root.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -strip -dither None -colors 48 "PNG8:$out/about.png"
xdotool key Return
# The passive example, through to the passive page, with the connection JP1 shown.
kill $pid
"$host" --model-lib-path "$PWD/examples/modellib" --database "$tmp/db" \
  --edit "$PWD/examples/modellib/resistor-network-board.model" &
pid=$!
sleep 4
win=$(xdotool search --name 'Partwright Wizard' | tail -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
next 1.5; next; next 1.5
click 51 124; shot passive
