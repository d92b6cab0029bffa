#!/bin/sh
# Render Stemmark's pictures from their SVG sources, next to this script.
#
#   start.png          240 x 180, 24-bit RGB on black (the start screen)
#   child-male.png      16 x 16, transparent (a son in a family's list of children)
#   child-other.png     16 x 16, transparent (a daughter, or a child of unknown sex)
#   stemmark.png       256 x 256, transparent (the program icon)
#   stemmark-48.png     48 x 48, from stemmark.svg
#   stemmark-16.png     16 x 16, from the simpler stemmark-16.svg
#
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert; without
# rsvg-convert, convert renders the SVG itself, which loses the gradients.
set -eu
cd "$(dirname "$0")"

svg_to_png() { # source.svg size output.png
    if command -v rsvg-convert >/dev/null 2>&1; then
        rsvg-convert -w "$2" -h "$2" "$1" -o "$3"
    else
        echo "render.sh: rsvg-convert not found, using convert for $1" >&2
        convert -background none -density 96 "$1" -resize "$2x$2" "$3"
    fi
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The start picture is drawn by the program onto black, so flatten it onto black
# and drop the alpha channel; -strip keeps the file free of render dates.
rsvg-convert -w 240 -h 180 start.svg -o "$tmp/start.png" 2>/dev/null \
    || convert -background black start.svg "$tmp/start.png"
convert "$tmp/start.png" -background black -alpha remove -alpha off \
    -type TrueColor -strip PNG24:start.png

svg_to_png child-male.svg 16 child-male.png
svg_to_png child-other.svg 16 child-other.png
svg_to_png stemmark.svg 256 stemmark.png
svg_to_png stemmark.svg 48 stemmark-48.png
svg_to_png stemmark-16.svg 16 stemmark-16.png
