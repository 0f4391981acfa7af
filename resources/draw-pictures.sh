#!/usr/bin/env bash
# Draws the wizard's pictures with ImageMagick. The PNGs are committed; run
# this again only after changing a drawing. They are written with 8 bits a
# channel (PNG24: for the opaque ones, PNG32: with alpha): ImageMagick's own
# 16-bit RGBA with adaptive filters cost the program a millisecond to decode
# at every start.
set -euo pipefail
cd "$(dirname "$0")"
# The "sub" row filter, which decodes faster than the adaptive ones.
filter=(-quality 91)
mkdir -p bitmaps icons
font=DejaVu-Sans-Bold

# A side panel: blue gradient with the controller's front panel drawn on it.
panel() {
    convert -size 164x313 gradient:'#0b3d78'-'#5d9bd6' \
        -fill '#e9eef3' -stroke '#1d2a38' -strokewidth 2 -draw 'roundrectangle 22,90 142,210 8,8' \
        -fill '#17212b' -stroke none -draw 'rectangle 34,102 130,132' \
        -fill '#ff5a3c' -font "$font" -pointsize 18 -annotate +42+124 'ZRK640' \
        -fill '#2fbf4a' -draw 'circle 40,150 45,150' -draw 'circle 60,150 65,150' \
        -fill '#f2b705' -draw 'circle 80,150 85,150' \
        -fill '#9aa7b4' -draw 'rectangle 36,170 60,196' -draw 'rectangle 70,170 94,196' \
        -draw 'rectangle 104,170 128,196' \
        "$@"
}

panel -fill white -font "$font" -pointsize 12 -annotate +14+262 'Мастер' \
      -annotate +14+280 'конфигурирования' "${filter[@]}" PNG24:bitmaps/181.png
# Connection pages: a cable from the controller to the adapter.
panel -fill none -stroke '#f2f2f2' -strokewidth 4 -draw 'bezier 82,210 82,250 40,240 40,280' \
      -fill '#d9d9d9' -stroke '#1d2a38' -strokewidth 2 -draw 'rectangle 24,278 58,300' \
      -fill white -stroke none -font "$font" -pointsize 12 -annotate +66+294 'RS-485' "${filter[@]}" PNG24:bitmaps/182.png
# Wrong device: a red cross over the panel.
panel -stroke '#d62828' -strokewidth 10 -draw 'line 30,60 134,240' -draw 'line 134,60 30,240' \
      "${filter[@]}" PNG24:bitmaps/133.png
# Finish: a green tick.
panel -fill '#2fbf4a' -stroke white -strokewidth 3 -draw 'circle 82,258 82,288' \
      -stroke white -strokewidth 7 -fill none -draw 'polyline 66,258 78,272 100,244' "${filter[@]}" PNG24:bitmaps/143.png
# Settings pages: sliders.
convert -size 164x313 gradient:'#0b3d78'-'#5d9bd6' -stroke '#e9eef3' -strokewidth 3 \
    -draw 'line 40,70 40,250' -draw 'line 82,70 82,250' -draw 'line 124,70 124,250' \
    -fill '#f2b705' -stroke '#1d2a38' -strokewidth 2 -draw 'rectangle 30,110 50,124' \
    -draw 'rectangle 72,190 92,204' -draw 'rectangle 114,140 134,154' "${filter[@]}" PNG24:bitmaps/135.png
# Parameter pages: a regulated curve over a grid.
convert -size 164x313 gradient:'#0b3d78'-'#5d9bd6' -stroke '#7fb0e0' -strokewidth 1 \
    -draw 'line 20,80 20,230' -draw 'line 20,230 150,230' \
    -draw 'line 20,130 150,130' -draw 'line 20,180 150,180' \
    -stroke '#f2b705' -strokewidth 3 -draw 'line 20,228 50,150' -draw 'line 50,150 70,118' \
    -draw 'line 70,118 90,134' -draw 'line 90,134 110,128' -draw 'line 110,128 150,130' \
    "${filter[@]}" PNG24:bitmaps/151.png

# The six modifications as 32x32 pictures side by side, on the mask colour.
mods=()
for i in 1 2 3 4 5 6; do
    convert -size 32x32 xc:'rgb(191,191,194)' -fill '#0b3d78' -stroke '#1d2a38' \
        -draw 'roundrectangle 2,2 29,29 4,4' -fill white -stroke none -font "$font" \
        -pointsize 18 -gravity center -annotate +0+0 "$i" "mod$i.png"
    mods+=("mod$i.png")
done
convert "${mods[@]}" +append "${filter[@]}" PNG24:bitmaps/183.png
rm -f "${mods[@]}"

# Window icon: the controller's face.
convert -size 32x32 xc:none -fill '#0b3d78' -draw 'roundrectangle 1,1 30,30 5,5' \
    -fill '#17212b' -draw 'rectangle 5,6 26,15' -fill '#ff5a3c' -draw 'rectangle 8,9 23,12' \
    -fill '#2fbf4a' -draw 'circle 9,23 11,23' -fill '#f2b705' -draw 'circle 16,23 18,23' \
    -fill '#e9eef3' -draw 'circle 23,23 25,23' "${filter[@]}" PNG32:icons/165.png
# Busy icon: an hourglass.
convert -size 32x32 xc:none -fill '#5d9bd6' -stroke '#0b3d78' -strokewidth 2 \
    -draw 'polygon 8,4 24,4 17,16 24,28 8,28 15,16' -fill '#f2b705' -stroke none \
    -draw 'polygon 12,26 20,26 16,20' -stroke '#0b3d78' -strokewidth 3 \
    -draw 'line 6,3 26,3' -draw 'line 6,29 26,29' "${filter[@]}" PNG32:icons/190.png
