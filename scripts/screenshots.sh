#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb: the start
# screen with the sample file, the main window with its File menu open, the
# options sheet, and the patriarchs and a person's page in French.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
if [[ ${#need[@]} -gt 0 ]]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target stemmark >/dev/null

mkdir -p docs
display=:97
Xvfb "$display" -screen 0 480x720x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $stemmark $xvfb 2>/dev/null || true' EXIT
sleep 1

export DISPLAY=$display XDG_CONFIG_HOME=$(mktemp -d) XDG_STATE_HOME=$(mktemp -d)
build/src/gui/stemmark resources/sample/Stemmark-sample.ged &
stemmark=$!
window=$(xdotool search --sync --name '^Stemmark$' | head -n 1)
xdotool windowmove "$window" 0 0
sleep 1
import -window "$window" docs/start-screen.png

xdotool mousemove --window "$window" 20 12 click 1
sleep 1
import -window root -crop 380x600+0+0 docs/main-menu.png

# File > Options, its two pages; then French, the patriarchs with one line
# expanded, and the page of a person in it.
# The File menu is still open from the picture above.
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.7}"; }
click 50 75 1.2
import -window root -crop 340x430+65+55 docs/options-general.png
click 187 103
import -window root -crop 340x545+65+55 docs/options-display.png
click 116 103 1
click 112 292 1
click 262 569 1
click 60 12
click 120 75 1.5
click 90 240 0.3
click 97 8 0.5
click 130 29 0.8
import -window root -crop 360x600+0+0 docs/patriarchs-french.png
click 100 436 0.3
click 30 8 0.5
click 70 73 1
import -window root -crop 360x600+0+0 docs/person-page-french.png
echo "docs/start-screen.png docs/main-menu.png docs/options-*.png docs/*-french.png"
