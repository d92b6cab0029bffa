#!/usr/bin/env bash
# Makes a small GEDZIP package to try Stemmark's photos and media on:
#
#   scripts/make-sample-gedzip.sh OUTPUT.gdz
#
# The package holds gedcom.ged (GEDCOM 7, UTF-8) at its root, the Miller
# family over three generations, and under media/ the pictures it links to,
# all drawn here: old portraits on their cards, a wedding photo, a family
# group and a scanned birth certificate. One link names a file the package
# lacks and one a web address, so that both show as they would in real files.
#
# Needs ImageMagick's convert (Debian: imagemagick), zip, and the DejaVu fonts
# (fonts-dejavu-core). Nothing is downloaded, and with the same ImageMagick the
# script makes the same bytes each time: noise is seeded, and dates are kept
# out of the images and the zip.
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 OUTPUT.gdz" >&2
    exit 2
fi
for tool in convert zip; do
    if ! command -v "$tool" >/dev/null; then
        echo "$0: $tool is needed (Debian: ${tool/convert/imagemagick})" >&2
        exit 1
    fi
done

output=$(realpath -m "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir -p media/photos media/documents

# One thread, so that seeded noise falls the same way on every machine.
export MAGICK_THREAD_LIMIT=1 TZ=UTC

serif=DejaVu-Serif
serif_bold=DejaVu-Serif-Bold
sans=DejaVu-Sans
sepia='#2a180c,#f4e7cc'
silver='#161719,#eeece6'

# Figures are drawn in MVG around the head's centre at 0,0; a body reaches
# down past y=700 and is cut by whatever frames it.

mvg_neck() {
    cat <<M
fill gray66
roundrectangle -30,40 30,135 12,12
fill gray54
roundrectangle -30,72 30,102 10,10
M
}

mvg_suit() { # coat-grey lapel-grey
    cat <<M
fill $1
path 'M -32,112 C -70,135 -150,142 -178,182 C -202,216 -208,300 -216,760 L 216,760 C 208,300 202,216 178,182 C 150,142 70,135 32,112 Z'
fill gray90
path 'M -42,118 L 42,118 L 0,280 Z'
fill gray12
path 'M -10,140 L 10,140 L 8,240 L 0,262 L -8,240 Z'
fill $2
path 'M -52,124 L -36,124 L 0,285 L -60,200 Z'
path 'M 52,124 L 36,124 L 0,285 L 60,200 Z'
fill gray95
path 'M -36,100 L 0,128 L 36,100 L 40,120 L 6,150 L 0,145 L -6,150 L -40,120 Z'
M
}

mvg_tunic() {
    cat <<M
fill gray31
path 'M -32,104 C -70,130 -150,138 -180,180 C -204,216 -210,300 -214,760 L 214,760 C 210,300 204,216 180,180 C 150,138 70,130 32,104 Z'
fill gray27
roundrectangle -36,92 36,140 8,8
fill gray60
rectangle -30,118 -16,132
rectangle 16,118 30,132
stroke gray22 stroke-width 3 fill none
rectangle -130,230 -60,300
rectangle 60,230 130,300
line 0,140 0,760
stroke none fill gray70
circle 0,170 0,177
circle 0,230 0,237
circle 0,290 0,297
circle 0,350 0,357
circle -95,238 -95,244
circle 95,238 95,244
M
}

mvg_cap() {
    cat <<M
fill gray32
path 'M -78,-40 C -90,-74 -50,-112 0,-114 C 50,-112 90,-74 78,-40 Z'
fill gray16
path 'M -72,-42 L 72,-42 C 60,-20 -60,-20 -72,-42 Z'
fill gray26
rectangle -70,-56 70,-42
fill gray70
circle 0,-72 0,-62
M
}

# A dark high-necked dress with full sleeves, a brooch and buttons.
mvg_dress_1890() {
    cat <<M
fill gray24
path 'M -30,100 C -80,118 -120,108 -168,140 C -222,178 -214,290 -200,760 L 200,760 C 214,290 222,178 168,140 C 120,108 80,118 30,100 Z'
stroke gray32 stroke-width 3 fill none
path 'M -150,160 Q -130,300 -120,760'
path 'M 150,160 Q 130,300 120,760'
path 'M -60,150 Q -50,300 -45,760'
path 'M 60,150 Q 50,300 45,760'
stroke none fill gray24
roundrectangle -33,45 33,135 8,8
fill gray85
rectangle -33,45 33,52
fill gray78
circle 0,138 0,150
fill gray40
circle 0,138 0,144
fill gray55
circle 0,190 0,195
circle 0,235 0,240
circle 0,280 0,285
circle 0,325 0,330
M
}

# A white blouse with a high lace collar and tucks down the front.
mvg_blouse() {
    cat <<M
fill gray90
path 'M -30,100 C -80,116 -126,112 -160,150 C -196,192 -196,300 -192,760 L 192,760 C 196,300 196,192 160,150 C 126,112 80,116 30,100 Z'
stroke gray76 stroke-width 3 fill none
line -40,150 -36,760
line -20,150 -18,760
line 20,150 18,760
line 40,150 36,760
path 'M -160,150 Q -130,230 -150,330'
path 'M 160,150 Q 130,230 150,330'
stroke none fill gray93
roundrectangle -34,50 34,130 8,8
stroke gray78 stroke-width 2 fill none
line -34,70 34,70
line -34,90 34,90
line -34,110 34,110
stroke none fill gray50
circle 0,132 0,140
M
}

mvg_dress_bride() {
    cat <<M
fill rgba(250,250,250,0.55)
path 'M -60,-60 C -140,0 -190,200 -230,760 L 230,760 C 190,200 140,0 60,-60 Z'
fill gray90
path 'M -30,110 C -70,130 -140,140 -170,180 C -196,216 -204,300 -208,760 L 208,760 C 204,300 196,216 170,180 C 140,140 70,130 30,110 Z'
fill gray74
path 'M -34,108 L 34,108 L 0,190 Z'
stroke gray80 stroke-width 3 fill none
path 'M -90,150 Q -60,260 -50,760'
path 'M 90,150 Q 60,260 50,760'
stroke none
M
}

mvg_wreath() {
    cat <<M
fill gray96
circle -54,-52 -54,-42
circle -36,-66 -36,-56
circle -14,-74 -14,-64
circle 10,-74 10,-64
circle 32,-67 32,-57
circle 50,-54 50,-44
M
}

mvg_bouquet() {
    cat <<M
stroke gray66 stroke-width 4 fill none
path 'M -6,330 C -16,390 -34,430 -28,490'
path 'M 6,330 C 16,390 12,440 24,500'
stroke none fill gray30
path 'M -60,300 Q -110,292 -128,326 Q -84,330 -60,300 Z'
path 'M 60,300 Q 110,292 128,326 Q 84,330 60,300 Z'
ellipse 0,304 92,44 0,360
M
    local xy
    for xy in -56,300 56,300 -28,286 28,286 0,312 -30,320 30,320 0,282; do
        echo "fill gray94 circle $xy ${xy%,*},$((${xy#*,} + 18))"
        echo "stroke gray66 stroke-width 2 fill none ellipse $xy 8,6 20,300 stroke none"
    done
}

mvg_dress_1930() {
    cat <<M
fill gray42
path 'M -30,108 C -70,128 -130,136 -160,176 C -186,212 -194,300 -198,760 L 198,760 C 194,300 186,212 160,176 C 130,136 70,128 30,108 Z'
fill gray72
path 'M -32,106 L 32,106 L 0,170 Z'
fill gray94
path 'M -34,104 L -70,140 L -20,170 L 0,172 Z'
path 'M 34,104 L 70,140 L 20,170 L 0,172 Z'
M
    local x
    for x in -28 -20 -11 0 11 20 28; do
        echo "fill gray97 circle $x,$((118 + (784 - x * x) / 40)) $x,$((122 + (784 - x * x) / 40))"
    done
}

mvg_sailor() {
    cat <<M
fill gray62
path 'M -30,105 C -66,125 -130,132 -158,170 C -184,206 -192,300 -196,760 L 196,760 C 192,300 184,206 158,170 C 130,132 66,125 30,105 Z'
fill gray95
path 'M -36,104 L -140,150 L -120,236 L 0,250 L 120,236 L 140,150 L 36,104 L 0,200 Z'
stroke gray30 stroke-width 5 fill none
path 'M -128,160 L -112,226'
path 'M 128,160 L 112,226'
stroke none fill gray22
path 'M -18,196 L 18,196 L 10,212 L 24,270 L 6,262 L 0,214 L -6,262 L -24,270 L -10,212 Z'
M
}

mvg_frock() {
    cat <<M
fill gray88
path 'M -30,105 C -70,118 -120,110 -150,150 C -180,196 -186,300 -190,760 L 190,760 C 186,300 180,196 150,150 C 120,110 70,118 30,105 Z'
fill gray97
path 'M -34,104 C -80,110 -90,160 -40,164 C -20,164 -6,150 0,140 C 6,150 20,164 40,164 C 90,160 80,110 34,104 Z'
stroke gray78 stroke-width 2 fill none
path 'M -34,104 C -80,110 -90,160 -40,164 C -20,164 -6,150 0,140 C 6,150 20,164 40,164 C 90,160 80,110 34,104'
stroke none
M
}

mvg_hair_short() {
    cat <<M
fill $1
ellipse 0,-24 68,62 0,360
M
}

mvg_hair_up() {
    cat <<M
fill $1
ellipse 0,-30 72,60 0,360
ellipse 0,-86 38,27 0,360
M
}

mvg_hair_up_sides() {
    cat <<M
fill $1
path 'M 0,-66 C -40,-68 -62,-40 -60,10 C -72,-30 -66,-72 0,-80 Z'
path 'M 0,-66 C 40,-68 62,-40 60,10 C 72,-30 66,-72 0,-80 Z'
stroke gray45 stroke-width 2 fill none
path 'M 0,-80 L 0,-64'
stroke none
M
}

mvg_hair_bob() {
    cat <<M
fill $1
ellipse 0,-22 72,62 0,360
path 'M -72,-20 C -80,20 -74,50 -52,58 L -48,0 Z'
path 'M 72,-20 C 80,20 74,50 52,58 L 48,0 Z'
M
}

mvg_fringe() {
    cat <<M
fill $1
path 'M -60,-28 C -46,-94 46,-94 60,-28 C 30,-46 -20,-46 -60,-28 Z'
M
}

mvg_bow() {
    cat <<M
fill gray93
path 'M 40,-70 L 86,-104 L 94,-56 Z'
path 'M 40,-70 L 20,-112 L 0,-70 Z'
fill gray82
circle 40,-72 40,-62
M
}

mvg_ears() {
    cat <<M
fill gray70
ellipse -61,8 11,20 0,360
ellipse 61,8 11,20 0,360
stroke gray55 stroke-width 2 fill none
ellipse -62,8 5,12 90,270
ellipse 62,8 5,12 270,90
stroke none
M
}

mvg_face() { # half-width half-height [eye-line]
    local w=$1 h=$2 e=${3:-0}
    cat <<M
fill gray84
ellipse 0,10 $w,$h 0,360
fill gray70
ellipse -24,$e 15,8 0,360
ellipse 24,$e 15,8 0,360
fill gray16
circle -23,$e -23,$((e + 5))
circle 23,$e 23,$((e + 5))
stroke gray30 stroke-width 4.5 fill none
path 'M -40,$((e - 17)) Q -25,$((e - 25)) -10,$((e - 18))'
path 'M 10,$((e - 18)) Q 25,$((e - 25)) 40,$((e - 17))'
stroke gray34 stroke-width 2.5
path 'M -37,$((e - 3)) Q -24,$((e - 10)) -11,$((e - 3))'
path 'M 11,$((e - 3)) Q 24,$((e - 10)) 37,$((e - 3))'
stroke gray60 stroke-width 5
path 'M 7,$((e + 6)) Q 11,$((e + 28)) 7,$((e + 37))'
stroke none fill gray50
ellipse -7,$((e + 40)) 5,2.5 0,360
ellipse 7,$((e + 40)) 5,2.5 0,360
M
}

mvg_mouth() {
    cat <<M
stroke gray40 stroke-width 4 fill none
path 'M -17,60 Q 0,63 17,60'
stroke none
M
}

mvg_lips() {
    cat <<M
fill gray50
path 'M -15,58 Q -7,53 0,56 Q 7,53 15,58 Q 0,68 -15,58 Z'
M
}

mvg_moustache() {
    cat <<M
fill gray20
path 'M -34,58 Q -18,40 0,48 Q 18,40 34,58 Q 16,52 0,55 Q -16,52 -34,58 Z'
M
}

figure() { # kind x y scale
    echo "push graphic-context translate $2,$3 scale $4,$4"
    case $1 in
    elder) mvg_neck; mvg_suit gray18 gray26; mvg_hair_short gray22; mvg_ears; mvg_face 61 80; mvg_mouth; mvg_moustache ;;
    lady) mvg_hair_up gray20; mvg_neck; mvg_dress_1890; mvg_face 56 75; mvg_lips; mvg_hair_up_sides gray20 ;;
    soldier) mvg_neck; mvg_tunic; mvg_hair_short gray24; mvg_ears; mvg_face 59 78; mvg_mouth; mvg_cap ;;
    young-lady) mvg_hair_up gray34; mvg_neck; mvg_blouse; mvg_face 56 74; mvg_lips; mvg_hair_up_sides gray34 ;;
    groom) mvg_neck; mvg_suit gray16 gray24; mvg_hair_short gray20; mvg_ears; mvg_face 59 78; mvg_mouth ;;
    bride) mvg_hair_bob gray22; mvg_neck; mvg_dress_bride; mvg_face 56 75; mvg_lips; mvg_fringe gray22; mvg_wreath; mvg_bouquet ;;
    father) mvg_neck; mvg_suit gray26 gray34; mvg_hair_short gray26; mvg_ears; mvg_face 60 79; mvg_mouth; mvg_moustache ;;
    mother) mvg_hair_bob gray26; mvg_neck; mvg_dress_1930; mvg_face 56 75; mvg_lips; mvg_fringe gray26 ;;
    boy) mvg_neck; mvg_sailor; mvg_hair_short gray44; mvg_ears; mvg_face 60 72 4; mvg_mouth ;;
    girl) mvg_hair_bob gray48; mvg_neck; mvg_frock; mvg_face 58 70 4; mvg_lips; mvg_fringe gray48; mvg_bow ;;
    esac
    echo "pop graphic-context"
}

# A painted studio backdrop, lighter behind the sitter.
backdrop() { # width height seed output
    convert -size "$1x$2" -seed "$3" plasma:gray50-gray34 -colorspace gray -blur 0x24 \
        \( -size "$1x$2" radial-gradient:gray75-gray35 \) -compose overlay -composite "$4"
}

# The sitters on their backdrop, softened, lit from the left and grained.
photo() { # width height seed mvg output [grain]
    backdrop "$1" "$2" "$3" backdrop.png
    convert backdrop.png -draw "$4" -blur 0x1.4 \
        \( -size "$2x$1" gradient:gray100-gray78 -rotate 90 \) -compose multiply -composite \
        -seed "$3" -attenuate "${6:-0.3}" +noise Gaussian -blur 0x0.6 \
        -sigmoidal-contrast 3,50% -colorspace gray "$5"
}

# The print fades out in an oval, as studios printed portraits.
oval_print() { # photo output
    convert -size 460x600 xc:black -fill white -draw "ellipse 230,295 205,275 0,360" -blur 0x22 mask.png
    convert -size 460x600 xc:gray92 "$1" mask.png -composite "$2"
}

# A card mount with rounded corners: the print pasted on it, the sitter's name
# and the year written below, the studio's imprint.
cabinet_card() { # print name year seed grain output
    rounded_shape 560 760 22
    convert -size 560x760 xc:gray78 -seed "$4" -attenuate "$5" +noise Gaussian -blur 0x1.2 \
        \( -size 560x760 radial-gradient:gray100-gray82 \) -compose multiply -composite \
        -fill none -stroke gray50 -strokewidth 2 -draw "roundrectangle 12,12 547,747 14,14" \
        -stroke gray62 -strokewidth 3 -draw "rectangle 44,34 515,645" \
        "$1" -geometry +50+40 -compose over -composite \
        -stroke none -fill gray18 -font "$serif" -pointsize 32 -gravity north -annotate 0x12+0+656 "$2" \
        -pointsize 24 -annotate 0x12+0+696 "$3" \
        -font "$sans" -pointsize 11 -fill gray38 -kerning 3 -annotate +0+728 "J. HARTLEY  ·  PHOTOGRAPHER  ·  BRACKENHOLT" \
        shape.png -compose copy-opacity -composite "$6"
}

rounded_shape() { # width height radius
    convert -size "$1x$2" xc:none -fill white -draw "roundrectangle 0,0 $(($1 - 1)),$(($2 - 1)) $3,$3" shape.png
}

# The card as a scanner sees it: on the white lid with a faint shadow, toned
# from black and white to the palette's two colours.
scan_card() { # card palette output [format options]
    local card=$1 palette=$2 out=$3 size
    shift 3
    size=$(convert "$card" -format "%[fx:w+40]x%[fx:h+40]" info:)
    convert -size "$size" xc:gray97 \
        \( "$card" -background gray40 -shadow 40x4+3+3 \) -geometry +17+17 -compose over -composite \
        "$card" -geometry +20+20 -compose over -composite \
        -colorspace sRGB -type TrueColor +level-colors "$palette" -strip "$@" "$out"
}

portrait() { # kind name year palette seed grain output [format options]
    local kind=$1 name=$2 year=$3 palette=$4 seed=$5 grain=$6 out=$7
    shift 7
    photo 460 600 "$seed" "$(figure "$kind" 230 235 1.05)" sitter.png "$grain"
    oval_print sitter.png print.png
    cabinet_card print.png "$name" "$year" "$seed" "$grain" card.png
    scan_card card.png "$palette" "$out" "$@"
}

# Bride and groom standing together, a darkened print on a deep grey card.
wedding_photo() { # output
    local mvg
    mvg="$(figure groom 230 250 0.95; figure bride 450 285 0.9)"
    photo 600 680 19 "$mvg" sitter.png
    convert sitter.png \( -size 600x680 radial-gradient:gray100-gray40 -level 0%,70% \) \
        -compose multiply -composite print.png
    rounded_shape 660 860 16
    convert -size 660x860 xc:gray30 -seed 19 -attenuate 0.2 +noise Gaussian -blur 0x1 \
        print.png -geometry +30+30 -compose over -composite \
        -fill none -stroke gray60 -strokewidth 2 -draw "rectangle 24,24 635,715" -stroke none \
        -fill gray82 -font "$serif" -pointsize 30 -gravity north -annotate 0x12+0+740 "Thomas & Edith" \
        -pointsize 22 -annotate 0x12+0+784 "14 June 1919" \
        shape.png -compose copy-opacity -composite card.png
    scan_card card.png "#201a14,#efe6d6" "$1" -quality 80
}

# Four sitters in a plain print with a white border, the family's own caption
# written on the border.
family_photo() { # output
    local mvg
    mvg="$(figure father 420 215 1; figure mother 770 245 0.95; figure boy 480 485 0.74; figure girl 715 525 0.66)"
    photo 1100 760 23 "$mvg" sitter.png
    convert sitter.png \( -size 1100x760 radial-gradient:gray100-gray55 -level 0%,75% \) \
        -compose multiply -composite print.png
    convert -size 1200x900 xc:gray96 -seed 23 -attenuate 0.15 +noise Gaussian -blur 0x0.8 \
        print.png -geometry +50+40 -compose over -composite \
        -fill gray30 -font "$serif" -pointsize 30 -annotate 0x12+70+855 "Thomas, Edith, Robert and Dorothy, Brackenholt, summer 1930" \
        -colorspace sRGB -type TrueColor +level-colors "$silver" -strip -quality 78 "$1"
}

# A copy of the entry in the register, scanned a little askew: the printed
# form, the registrar's entries in blue-black ink and the office's stamp.
birth_certificate() { # output
    local -a entry=(
        "When and where born" "3rd March 1890, 4 Mill Lane"
        "Name" "Thomas"
        "Sex" "Boy"
        "Father" "John Miller, joiner"
        "Mother" "Margaret Miller, formerly Hayes"
        "Informant" "J. Miller, father, Mill Lane"
        "When registered" "Twenty-eighth March 1890"
    )
    local -a rules=() labels=() inks=()
    local i y=300
    for ((i = 0; i < ${#entry[@]}; i += 2)); do
        rules+=("line 235,$((y + 26)) 590,$((y + 26))")
        labels+=(-annotate "+60+$((y + 6))" "${entry[i]}")
        inks+=(-annotate "0x10+245+$y" "${entry[i + 1]}")
        y=$((y + 52))
    done
    # Shear set by -annotate would bend later drawing, so lines come first.
    convert -size 650x870 xc:gray95 -seed 31 -attenuate 0.2 +noise Gaussian -blur 0x1.5 \
        -fill none -stroke gray20 -strokewidth 5 -draw "rectangle 20,20 629,849" \
        -strokewidth 1.5 -draw "rectangle 32,32 617,837" \
        -strokewidth 1 -draw "line 110,200 540,200 ${rules[*]} line 360,762 590,762" \
        -stroke none -fill gray20 -draw "rectangle 14,14 34,34 rectangle 615,14 635,34 rectangle 14,835 34,855 rectangle 615,835 635,855" \
        -gravity north -font "$serif_bold" -pointsize 30 -annotate +0+70 "CERTIFICATE OF BIRTH" \
        -font "$serif" -pointsize 17 -annotate +0+118 "Certified copy of an entry in the register of births" \
        -font "$sans" -pointsize 13 -annotate +0+160 "REGISTRATION DISTRICT OF BRACKENHOLT  ·  COUNTY OF YORK" \
        -font "$serif" -pointsize 19 -annotate +0+222 "Birth in the Sub-district of Mill Bank  ·  No. 214" \
        -gravity northwest -font "$sans" -pointsize 14 -fill gray35 "${labels[@]}" \
        -pointsize 12 -annotate +60+680 "Certified to be a true copy of an entry in a register in my custody." \
        -pointsize 11 -annotate +450+768 "Registrar" \
        -colorspace sRGB -type TrueColor +level-colors "#262320,#f2ede0" \
        -gravity northwest -font "$serif" -pointsize 20 -fill "#27305c" "${inks[@]}" \
        -pointsize 26 -annotate 0x10+385+722 "W. Ashdown" \
        paper.png
    convert -size 136x136 xc:none -fill none -stroke black -strokewidth 3 -draw "circle 68,68 68,6" \
        -strokewidth 1.5 -draw "circle 68,68 68,16" -stroke none -fill black -font "$sans" -pointsize 11 \
        -gravity center -annotate +0-14 "GENERAL" -annotate +0+0 "REGISTER" -annotate +0+14 "OFFICE" \
        -background none -rotate -14 -channel A -evaluate multiply 0.7 +channel \
        -fill "#6e3550" -colorize 100 stamp.png
    convert paper.png stamp.png -geometry +70+690 -compose over -composite \
        -background "#e9e9e6" -rotate 0.5 -gravity center -extent 680x900 \
        -strip -quality 80 "$1"
}

draw_media() {
    portrait elder "John Miller" 1890 "$sepia" 5 0.3 media/photos/john-1890.jpg -quality 78
    portrait lady "Margaret Miller" 1890 "$sepia" 7 0.3 media/photos/margaret-1890.jpg -quality 78
    portrait soldier "Thomas Miller" 1915 "#241c14,#efe8da" 11 0.3 media/photos/thomas-1915.jpg -quality 78
    # Grain would make a lossless scan large; without it, its tones fit one
    # 256-colour palette.
    portrait young-lady "Alice Miller" 1912 "$sepia" 13 0 media/photos/alice-1912.png \
        +dither -colors 256 -define png:format=png8 -define png:exclude-chunks=date,time
    wedding_photo "media/photos/wedding day.jpg"
    family_photo media/photos/miller-family-1930.jpg
    birth_certificate media/documents/birth-certificate-thomas-1890.jpg
}

# Media as programs write them: records linked by pointer, one object written
# in place, a primary mark, a link under an event, an escaped blank in a path,
# a file the package lacks and a web address.
write_gedcom() {
    cat <<'GED'
0 HEAD
1 GEDC
2 VERS 7.0
1 SOUR STEMMARK
2 NAME Stemmark sample
1 LANG en
1 NOTE The Miller family of Brackenholt, invented to show photos and documents. Any likeness to real people is chance.
0 @I1@ INDI
1 NAME John /Miller/
2 GIVN John
2 SURN Miller
1 SEX M
1 BIRT
2 DATE 12 APR 1862
2 PLAC Brackenholt, Yorkshire, England
1 OCCU Joiner
1 DEAT
2 DATE 9 NOV 1931
2 PLAC Brackenholt, Yorkshire, England
1 OBJE @M1@
1 FAMS @F1@
0 @I2@ INDI
1 NAME Margaret /Hayes/
2 GIVN Margaret
2 SURN Hayes
1 SEX F
1 BIRT
2 DATE 2 SEP 1866
2 PLAC Holme Bridge, Yorkshire, England
1 DEAT
2 DATE 17 JAN 1940
2 PLAC Brackenholt, Yorkshire, England
1 OBJE @M2@
1 FAMS @F1@
0 @I3@ INDI
1 NAME Thomas /Miller/
2 GIVN Thomas
2 SURN Miller
1 SEX M
1 BIRT
2 DATE 3 MAR 1890
2 PLAC Brackenholt, Yorkshire, England
2 OBJE @M5@
1 OCCU Cabinet maker
1 DEAT
2 DATE 21 OCT 1962
2 PLAC Scarby, Yorkshire, England
1 OBJE @M4@
1 OBJE @M3@
2 _PRIM Y
1 FAMC @F1@
1 FAMS @F2@
0 @I4@ INDI
1 NAME Alice /Miller/
2 GIVN Alice
2 SURN Miller
1 SEX F
1 BIRT
2 DATE 15 JUN 1893
2 PLAC Brackenholt, Yorkshire, England
1 DEAT
2 DATE 4 FEB 1975
2 PLAC Scarby, Yorkshire, England
1 OBJE
2 FILE media/photos/alice-1912.png
3 FORM image/png
3 TITL Alice Miller, 1912
1 FAMC @F1@
1 FAMS @F3@
0 @I5@ INDI
1 NAME Edith /Clarke/
2 GIVN Edith
2 SURN Clarke
1 SEX F
1 BIRT
2 DATE 27 JUL 1895
2 PLAC Holme Bridge, Yorkshire, England
1 DEAT
2 DATE 30 MAY 1970
2 PLAC Brackenholt, Yorkshire, England
1 OBJE @M4@
1 FAMS @F2@
0 @I6@ INDI
1 NAME Robert /Miller/
2 GIVN Robert
2 SURN Miller
1 SEX M
1 BIRT
2 DATE 8 JAN 1921
2 PLAC Brackenholt, Yorkshire, England
1 DEAT
2 DATE 19 AUG 1998
2 PLAC Scarby, Yorkshire, England
1 OBJE @M7@
1 FAMC @F2@
0 @I7@ INDI
1 NAME Dorothy /Miller/
2 GIVN Dorothy
2 SURN Miller
1 SEX F
1 BIRT
2 DATE 22 NOV 1923
2 PLAC Brackenholt, Yorkshire, England
1 DEAT
2 DATE 3 MAR 2009
2 PLAC Scarby, Yorkshire, England
1 OBJE @M8@
1 FAMC @F2@
0 @I8@ INDI
1 NAME Henry /Walsh/
2 GIVN Henry
2 SURN Walsh
1 SEX M
1 BIRT
2 DATE 11 DEC 1889
2 PLAC Scarby, Yorkshire, England
1 DEAT
2 DATE 2 APR 1951
2 PLAC Scarby, Yorkshire, England
1 FAMS @F3@
0 @F1@ FAM
1 HUSB @I1@
1 WIFE @I2@
1 CHIL @I3@
1 CHIL @I4@
1 MARR
2 DATE 18 AUG 1888
2 PLAC Holme Bridge, Yorkshire, England
0 @F2@ FAM
1 HUSB @I3@
1 WIFE @I5@
1 CHIL @I6@
1 CHIL @I7@
1 MARR
2 DATE 14 JUN 1919
2 PLAC Brackenholt, Yorkshire, England
2 OBJE @M4@
1 OBJE @M6@
0 @F3@ FAM
1 HUSB @I8@
1 WIFE @I4@
1 MARR
2 DATE 5 MAY 1920
2 PLAC Scarby, Yorkshire, England
0 @M1@ OBJE
1 FILE media/photos/john-1890.jpg
2 FORM image/jpeg
2 TITL John Miller, about 1890
0 @M2@ OBJE
1 FILE media/photos/margaret-1890.jpg
2 FORM image/jpeg
2 TITL Margaret Miller, about 1890
0 @M3@ OBJE
1 FILE media/photos/thomas-1915.jpg
2 FORM image/jpeg
2 TITL Thomas Miller in uniform, 1915
0 @M4@ OBJE
1 FILE media/photos/wedding%20day.jpg
2 FORM image/jpeg
2 TITL Thomas and Edith on their wedding day, 1919
0 @M5@ OBJE
1 FILE media/documents/birth-certificate-thomas-1890.jpg
2 FORM image/jpeg
2 TITL Birth certificate of Thomas Miller
0 @M6@ OBJE
1 FILE media/photos/miller-family-1930.jpg
2 FORM image/jpeg
2 TITL The Miller family, 1930
0 @M7@ OBJE
1 FILE media/photos/robert-1942.jpg
2 FORM image/jpeg
2 TITL Robert Miller in uniform, 1942
0 @M8@ OBJE
1 FILE https://example.org/records/1234
2 FORM text/html
2 TITL Dorothy Miller in the parish register
0 TRLR
GED
}

draw_media
write_gedcom >gedcom.ged

# Fixed times and a sorted list, so that the package comes out the same each time.
mapfile -t entries < <(find media -type f | LC_ALL=C sort)
touch -d '2000-01-01 00:00:00' gedcom.ged "${entries[@]}"
rm -f "$output"
zip -X -q -r "$output" gedcom.ged "${entries[@]}"
