#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb: the start
# screen with the sample file, the main window with its File menu open, the
# options sheet, the patriarchs and a person's page in French, the person list
# with dates and ages, the help window on it, a page with sources, a tree
# opened from the keyboard, a box held back, a contacts report, the
# relationship window, the charts, and a page with its photos.
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
Xvfb "$display" -screen 0 1000x720x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $stemmark $xvfb 2>/dev/null || true' EXIT
sleep 1

export DISPLAY=$display XDG_CONFIG_HOME=$(mktemp -d) XDG_STATE_HOME=$(mktemp -d)
build/src/gui/stemmark resources/sample/Stemmark-sample.ged &
stemmark=$!
window=$(xdotool search --sync --name ' - Stemmark$' | head -n 1)
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
click 50 97 1.2
import -window root -crop 332x535+9+19 docs/options-general.png
click 127 63
import -window root -crop 332x535+9+19 docs/options-display.png
click 57 63 1
click 51 252 1
click 203 529 1
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

# Back to the main window; English again, with birth and death dates and ages
# after the names in the list.
xdotool key Escape; sleep 0.5; xdotool key Escape; sleep 0.5
click 20 8
click 50 97 1.2
# (the sheet is laid out for the French texts)
click 51 224
click 133 63
click 51 420 0.3
click 51 448 0.3
click 370 420 0.3
click 311 529 1
click 60 12
click 100 53 1.5
import -window root -crop 360x600+0+0 docs/person-list-dates.png
# The help on the list, in the program's own help window.
xdotool key F1
help=$(xdotool search --sync --name '^Stemmark Help$' | head -n 1)
xdotool windowmove "$help" 0 0
sleep 1
import -window root -crop 640x600+0+0 docs/help-window.png
kill $stemmark 2>/dev/null || true
sleep 0.5

# Starts the program on a file with these lines of options in the settings
# file, as the sheet was shown above.
start() {
    local file=$1
    shift
    export XDG_CONFIG_HOME=$(mktemp -d)
    mkdir -p "$XDG_CONFIG_HOME/Quillborn"
    printf '[General]\n' >"$XDG_CONFIG_HOME/Quillborn/Stemmark.ini"
    printf '%s\n' "$@" >>"$XDG_CONFIG_HOME/Quillborn/Stemmark.ini"
    build/src/gui/stemmark "$file" &
    stemmark=$!
    window=$(xdotool search --sync --name ' - Stemmark$' | head -n 1)
    xdotool windowmove "$window" 0 0
    sleep 1
}

# Sources and a dual year: Thomas Hollis's page in English and in Russian,
# and Richard Pellow in the list with dates.
sources() {
    start resources/sample/Stemmark-sample.ged "Lang=$1" "PutBirthDate=$2" "PutDeathDate=$2" "PutAge=$2"
    click 60 8
    click 100 53 1.5
}
sources En 0
click 60 436 0.2
click 60 436 1.5
click 53 427 1
import -window root -crop 360x600+0+0 docs/person-page-sources.png
kill $stemmark; sleep 0.5
sources Ru 0
click 60 436 0.2
click 60 436 1.5
xdotool mousemove 200 300 click --repeat 8 5; sleep 0.5
import -window root -crop 360x600+0+0 docs/person-page-sources-russian.png
kill $stemmark; sleep 0.5
sources En 1
xdotool mousemove 200 300 click --repeat 6 5; sleep 0.5
click 60 296 0.5
import -window root -crop 360x600+0+0 docs/person-list-dual-year.png

kill $stemmark; sleep 0.5

# From the keyboard: the list opens with its first row selected; 13 rows
# down to Claire Hollis, Alt+V and A open her ancestors, the first selected.
start resources/sample/Stemmark-sample.ged
click 60 8
click 100 53 1.5
xdotool key --repeat 13 --delay 50 Down; sleep 0.3
xdotool key alt+v; sleep 0.5
xdotool key a; sleep 1.5
import -window root -crop 360x600+0+0 docs/tree-just-opened.png
kill $stemmark; sleep 0.5

# A family that names three children the file does not hold: one box, which
# says where the other two went.
start tests/data/cli-dangling-children.ged
click 60 8
click 100 53 1.5
xdotool key Down; sleep 0.3
xdotool key alt+v; sleep 0.5
xdotool key d; sleep 1.5
import -window root -crop 560x600+0+0 docs/box-held-back.png
xdotool key Return; sleep 0.5
kill $stemmark; sleep 0.5

# The contacts report under month/day/year: a date that differs, then the
# cards that could not be compared.
book=$(mktemp -d)/contacts.vcf
printf '%s\r\n' BEGIN:VCARD VERSION:3.0 'N:Hollis;Claire;;;' BDAY:1981-09-03 END:VCARD \
    BEGIN:VCARD VERSION:3.0 'N:Hollis;Daniel;;;' BDAY:1957-13-45 END:VCARD \
    BEGIN:VCARD VERSION:3.0 'N:Marsh;Edward;;;' BDAY:1960-01-01 \
    BEGIN:VCARD VERSION:3.0 'FN:Karen Dunmore' BDAY:1955-06-02 END:VCARD >"$book"
start resources/sample/Stemmark-sample.ged 'DateFormat=\x1' "ContactsPath=$book"
click 180 300
xdotool key alt+f; sleep 0.5
xdotool key c; sleep 1.5
xdotool key Return; sleep 1.5
import -window root -crop 360x600+0+0 docs/contacts-not-compared.png

kill $stemmark; sleep 0.5

# How Edward VII is related to Alexandra of Greece, the home person, in
# royal92: eight ways, the closest through his marriage. Typing finds him
# in the list; View › Relationship... (Alt+V, R; in Russian Alt+G, L on a
# Latin layout) opens the window.
royal=$(realpath ../shared/corpus/royal92.ged)
relationship() {
    start "$royal" "Lang=$1" "HomePersons=$royal\t@I163@"
    xdotool windowsize "$window" 640 600; sleep 0.5
    click 60 8
    click 100 53 2
    xdotool type --delay 80 "Wettin Edw"; sleep 0.5
    xdotool key "alt+$2"; sleep 0.5
    xdotool key "$3"; sleep 2
    import -window root -crop 640x600+0+0 "docs/relationship-$4.png"
    kill $stemmark; sleep 0.5
}
if [[ -f $royal ]]; then
    relationship En v r english
    relationship Ru g l russian
fi

# The charts of the sample: Claire Hollis's ancestors and Thomas Hollis's
# descendants, from the list by the keyboard and fitted to the window; the
# descendants exported as PDF through Chart › Export and turned into a
# picture with pdftoppm.
chart() {
    start resources/sample/Stemmark-sample.ged
    xdotool windowsize "$window" 900 600; sleep 0.5
    click 60 8
    click 100 53 2
    xdotool key --repeat "$1" --delay 50 Down; sleep 0.3
    xdotool key alt+v; sleep 0.5
    xdotool key "$2"; sleep 2
    xdotool key alt+c; sleep 0.5
    xdotool key f; sleep 1
    import -window root -crop 900x600+0+0 "docs/chart-$3.png"
}
chart 13 c ancestors
kill $stemmark; sleep 0.5
chart 29 t descendants
pdf=$(mktemp -d)/chart.pdf
xdotool key alt+c; sleep 0.5
xdotool key e; sleep 1.5
xdotool key ctrl+a; xdotool type --delay 30 "$pdf"; xdotool key Return; sleep 2
if command -v pdftoppm >/dev/null && [[ -f $pdf ]]; then
    pdftoppm -png -r 48 -singlefile "$pdf" docs/chart-pdf
fi
kill $stemmark; sleep 0.5

# The sample package's Thomas Miller: his chosen portrait beside his name,
# and his media, read from inside the package, at the end of his page.
start resources/sample/Stemmark-media.gdz
xdotool windowsize "$window" 560 680; sleep 0.5
click 60 8
click 100 53 2
xdotool type --delay 80 "Miller Th"; sleep 0.5
xdotool key Return; sleep 2.5
import -window root -crop 560x680+0+0 docs/person-page-media.png
kill $stemmark; sleep 0.5

echo "docs/start-screen.png docs/main-menu.png docs/options-*.png docs/*-french.png docs/person-list-dates.png docs/help-window.png docs/person-page-sources*.png docs/person-list-dual-year.png docs/tree-just-opened.png docs/box-held-back.png docs/contacts-not-compared.png docs/relationship-*.png docs/chart-*.png docs/person-page-media.png"
