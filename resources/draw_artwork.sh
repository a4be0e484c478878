#!/bin/bash
# Draws the pictures of both programs into the sample working folder dist/:
#   dist/Images/randomiser_flash.bmp  randomiser splash picture, 600 x 400, 24-bit BMP
#   dist/Images/chat_example.bmp      example of the game chat, 500 x 200, 24-bit BMP
#   dist/Brenlow_Sortilane.ico        randomiser tray and window icon, 16, 20, 24, 32, 40 and 48 pixels
#   dist/Images/rostrix_flash.bmp     editor splash picture, 600 x 400, 24-bit BMP
#   dist/Images/ruletext_bg.bmp       tile behind the editor's rule text box, 64 x 64, 24-bit BMP
#   dist/Brenlow_Rostrix.ico          editor tray and window icon, 16, 20, 24, 32, 40 and 48 pixels
#
# Needs ImageMagick 6 ("convert"; Debian package imagemagick) and one of the
# fonts listed below (Debian packages fonts-dejavu-core or fonts-liberation).
# Run it from anywhere: ./resources/draw_artwork.sh
# The bitmaps are written as BMP3 with -type TrueColor, the plain 24-bit form
# that LoadImage reads. The output only depends on the ImageMagick version
# and the fonts, so running it again on the same machine gives the same bytes.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The version as the top CMakeLists.txt sets it: the numbers of project() and
# the letter of BRENLOW_VERSION_SUFFIX.
version_numbers=$(sed -n 's/^project(Brenlow VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")
version_text=$version_numbers$(sed -n 's/^set(BRENLOW_VERSION_SUFFIX \([^)]*\))$/\1/p' "$root/CMakeLists.txt")
if [[ -z "$version_numbers" ]]; then
    echo "draw_artwork.sh: no project(Brenlow VERSION ...) in $root/CMakeLists.txt" >&2
    exit 1
fi
images="$root/dist/Images"
mkdir -p "$images"

if ! command -v convert >/dev/null 2>&1; then
    echo "draw_artwork.sh: ImageMagick's convert is missing (apt-get install imagemagick)" >&2
    exit 1
fi

# First font file found wins; a font name is the fall-back of last resort.
pick_font() {
    local file
    for file in "$@"; do
        if [ -f "$file" ]; then
            echo "$file"
            return
        fi
    done
    echo "draw_artwork.sh: none of these fonts is installed: $*" >&2
    exit 1
}
bold=$(pick_font /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
                 /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf)
regular=$(pick_font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
                    /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf)
mono=$(pick_font /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf \
                 /usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf)
monobold=$(pick_font /usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf \
                     /usr/share/fonts/truetype/liberation/LiberationMono-Bold.ttf)

# Colours shared by the pictures.
navy='#1b2f55'
deep='#0b1428'
gold='#e0b23a'
pale='#f4f1e8'
grey='#aeb6c6'

# Written last on each bitmap's command line: 24-bit BMP without alpha,
# colour profile or other extras.
bmp24=(-alpha off -strip -type TrueColor)

teal='#1f5c5a'
mint='#9fe3d2'

# --- Splash pictures ----------------------------------------------------------
# A framed 600 x 400 picture with the program's letter in a ring, its name,
# a subtitle, the version and a hint line.
# draw_splash LETTER NAME SUBTITLE VERSION HINT TOP BOTTOM SHADOW ACCENT DIM RING OUTPUT
draw_splash() {
    local letter=$1 name=$2 subtitle=$3 version=$4 hint=$5 top=$6 bottom=$7 shadow=$8
    local accent=$9 dim=${10} ring=${11} output=${12}
    convert -size 600x400 "gradient:$top-$bottom" \
        -fill none -stroke "$accent" -strokewidth 3 -draw 'rectangle 10,10 589,389' \
        -stroke "$dim" -strokewidth 1 -draw 'rectangle 17,17 582,382' \
        -stroke "$accent" -strokewidth 4 -fill "$ring" -draw 'circle 300,100 300,48' \
        -stroke "$dim" -strokewidth 2 -fill none -draw 'circle 300,100 300,58' \
        -stroke none -fill "$accent" -font "$bold" -pointsize 60 -gravity center \
        -annotate +0-100 "$letter" \
        -fill "$shadow" -font "$bold" -pointsize 46 -annotate +2+22 "$name" \
        -fill "$pale" -annotate +0+20 "$name" \
        -fill "$grey" -font "$regular" -pointsize 19 -annotate +0+72 "$subtitle" \
        -stroke "$accent" -strokewidth 1 -draw 'line 200,318 400,318' -stroke none \
        -fill "$accent" -font "$bold" -pointsize 24 -annotate +0+140 "$version" \
        -fill "$grey" -font "$regular" -pointsize 14 -annotate +0+172 "$hint" \
        "${bmp24[@]}" "BMP3:$output"
}

draw_splash S 'Brenlow: Sortilane' 'Teams and civilisations for your match' "Version $version_text" \
    'Ctrl+7 shows the hotkeys, Ctrl+9 quits' '#22385f' "$deep" '#05080f' "$gold" '#7a6224' "$navy" \
    "$images/randomiser_flash.bmp"
draw_splash R 'Brenlow: Rostrix' 'Player names, ratings and teams for the randomiser' "Version $version_numbers" \
    'Ctrl+1 reads the clipboard, Ctrl+7 shows the hotkeys' '#23524f' '#0c1f1e' '#05100f' "$mint" '#3f7d73' \
    "$teal" "$images/rostrix_flash.bmp"

# --- Chat example -----------------------------------------------------------
# A game screen with the chat open: a player's message, three report lines
# already sent by the host and the next row of the report being typed into
# the input box.
sent1="~-~ Brenlow Sortilane - Version: $version_text ~-~"
sent2='| NAME             | | RATE    | | CIV        | | TEAM |'
sent3='| Mirelle          | | Expert  | | Vintari    | | 1    |'
typing='| Halvard          | | Inter   | | Oakfolk    | | 1    |'
convert -size 500x200 'gradient:#4d5b33-#2c3520' \
    -fill '#5f6e3d' -draw 'ellipse 90,40 70,26 0,360' -draw 'ellipse 400,60 90,30 0,360' \
    -fill '#3d4a29' -draw 'ellipse 250,185 160,30 0,360' \
    -fill '#00000099' -draw 'roundrectangle 8,8 491,191 8,8' \
    -font "$monobold" -pointsize 12 -fill '#7fc8ff' -annotate +18+30 'Senna:' \
    -font "$mono" -fill "$pale" -annotate +68+30 'all set, roll it' \
    -font "$monobold" -fill "$gold" -annotate +18+54 'Orrick:' -annotate +18+76 'Orrick:' \
    -annotate +18+98 'Orrick:' \
    -font "$mono" -fill "$pale" -annotate +76+54 "$sent1" -annotate +76+76 "$sent2" \
    -annotate +76+98 "$sent3" \
    -fill '#0d1320' -stroke "$gold" -strokewidth 1 -draw 'roundrectangle 14,114 485,144 4,4' \
    -stroke none -fill "$gold" -font "$monobold" -annotate +22+134 'All:' \
    -fill '#ffffff' -font "$mono" -annotate +60+134 "$typing" \
    -fill '#ffffff' -draw 'rectangle 466,122 467,138' \
    -font "$regular" -pointsize 13 -fill "$grey" \
    -annotate +18+176 'Open the game chat, then press Ctrl+1: the report is typed line by line.' \
    "${bmp24[@]}" "BMP3:$images/chat_example.bmp"

# --- Icons -----------------------------------------------------------------
# A letter in the rim colour on a disc of the fill colour, drawn at each size
# on its own so that the small ones stay sharp.
# The icon's images, one a line: size in pixels, rim width, the rim's top
# edge and the letter's point size. The notification area asks for 16 pixels
# at 96 DPI, 20 at 120, 24 at 144, 32 at 192; windows and Explorer take the
# larger ones.
icon_images=(
    "16 1 0.5 13"
    "20 1 0.5 16"
    "24 1.5 1 18"
    "32 2 1.5 24"
    "40 2.5 2 30"
    "48 3 2 36"
)

# draw_icon LETTER FILL RIM OUTPUT
draw_icon() {
    local letter=$1 fill=$2 rim=$3 output=$4 image size stroke edge points centre
    local layers=()
    for image in "${icon_images[@]}"; do
        read -r size stroke edge points <<<"$image"
        centre=$(((size - 1) / 2)).$(((size - 1) % 2 * 5))
        layers+=(\( -size "${size}x${size}" xc:none -fill "$fill" -stroke "$rim" -strokewidth "$stroke"
                 -draw "circle $centre,$centre $centre,$edge"
                 -stroke none -fill "$rim" -font "$bold" -pointsize "$points" -gravity center -annotate +0+0 "$letter" \))
    done
    convert "${layers[@]}" -strip "ICO:$output"
}

draw_icon S "$navy" "$gold" "$root/dist/Brenlow_Sortilane.ico"

# --- Rule text background -----------------------------------------------------
# A pale ruled-paper tile: the magenta text of the rule text box stays easy to
# read on it.
convert -size 64x64 xc:'#f7f3e6' \
    -stroke '#e6dfc8' -strokewidth 1 -draw 'line 0,15 63,15' -draw 'line 0,31 63,31' \
    -draw 'line 0,47 63,47' -draw 'line 0,63 63,63' \
    -stroke '#efe9d6' -draw 'line 0,0 63,63' \
    "${bmp24[@]}" "BMP3:$images/ruletext_bg.bmp"

draw_icon R "$teal" "$mint" "$root/dist/Brenlow_Rostrix.ico"

echo "drawn: dist/Images/randomiser_flash.bmp dist/Images/chat_example.bmp dist/Brenlow_Sortilane.ico"
echo "drawn: dist/Images/rostrix_flash.bmp dist/Images/ruletext_bg.bmp dist/Brenlow_Rostrix.ico"
