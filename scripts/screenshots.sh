#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb: the start
# screen with the sample file, and the main window with its File menu open.
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
echo "docs/start-screen.png docs/main-menu.png"
