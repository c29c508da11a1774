#!/bin/sh
# Draws the application pictures into resources/pictures/.
# Icons are drawn 8x larger and averaged down, which gives cleaner 24 px
# glyphs than drawing at 24 px directly.
set -eu

IM=/usr/bin/convert   # /usr/local/bin/convert may be a stand-in
FONT=/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc   # face 0 is JP

cd "$(dirname "$0")"
OUT=pictures
mkdir -p "$OUT"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

INK='#2f3440'     # glyph colour, dark on the light grey buttons
MATTE='#e6e6e6'   # GIF has no partial alpha: edges are pre-blended onto button grey

# render_big NAME MVG  -> $TMP/NAME.png, 192x192 transparent
render_big() {
    printf '%s\n' "$2" > "$TMP/$1.mvg"
    "$IM" -size 192x192 xc:none -draw "$(cat "$TMP/$1.mvg")" "$TMP/$1.png"
}

# to_gif NAME: 24x24 GIF, transparent where the glyph covers < 30 %
to_gif() {
    "$IM" "$TMP/$1.png" -scale 24x24 \
        \( +clone -alpha extract -threshold 30% \) \
        \( -clone 0 -background "$MATTE" -alpha remove -alpha off \) \
        -delete 0 +swap -compose CopyOpacity -composite \
        "$OUT/$1.gif"
}

# Gear: 8 teeth, even-odd path leaves the hub hole open.
gear_path=$(awk 'BEGIN {
    pi = atan2(0, -1); n = 8; ro = 88; ri = 66; cx = 96; cy = 96;
    p = "";
    for (i = 0; i < n; i++) {
        a = 2 * pi * i / n;
        # tooth top spans +-0.16 rad, flanks slope down to the root circle
        split("-0.40 -0.17 0.17 0.40", d, " ");
        split("ri ro ro ri", r, " ");
        for (k = 1; k <= 4; k++) {
            rr = (r[k] == "ro") ? ro : ri;
            x = cx + rr * cos(a + d[k]); y = cy + rr * sin(a + d[k]);
            p = p sprintf("%s %.1f,%.1f ", (p == "" ? "M" : "L"), x, y);
        }
    }
    print p "Z";
}')
printf '%s\n' "fill '$INK' fill-rule evenodd
path '$gear_path M 122,96 A 26,26 0 1,0 70,96 A 26,26 0 1,0 122,96 Z'" > "$TMP/gear.mvg"
"$IM" -size 192x192 xc:none -draw "$(cat "$TMP/gear.mvg")" -scale 24x24 \
    -strip -define png:exclude-chunks=date,time "$OUT/deflogo.png"

# Full screen: arrowheads pointing out to the four corners.
render_big sfull "fill '$INK' stroke '$INK' stroke-width 10 stroke-linejoin round
polygon 16,16 72,16 16,72
polygon 176,16 120,16 176,72
polygon 16,176 72,176 16,120
polygon 176,176 120,176 176,120
stroke-width 20 stroke-linecap round
line 36,36 80,80
line 156,36 112,80
line 36,156 80,112
line 156,156 112,112"
to_gif sfull

# Leave full screen: arrowheads pointing in to the centre.
render_big snfull "fill '$INK' stroke '$INK' stroke-width 10 stroke-linejoin round
polygon 80,80 80,30 30,80
polygon 112,80 112,30 162,80
polygon 80,112 80,162 30,112
polygon 112,112 112,162 162,112
stroke-width 20 stroke-linecap round
line 20,20 62,62
line 172,20 130,62
line 20,172 62,130
line 172,172 130,130"
to_gif snfull

speaker="fill '$INK' stroke '$INK' stroke-width 6 stroke-linejoin round
polygon 14,70 46,70 94,26 94,166 46,122 14,122"

render_big s_on "$speaker
fill none stroke-width 15 stroke-linecap round
path 'M 118,72 A 30,30 0 0,1 118,120'
path 'M 140,46 A 62,62 0 0,1 140,146'"
to_gif s_on

render_big s_off "$speaker
stroke '#d02828' stroke-width 18 stroke-linecap round
line 118,68 174,124
line 174,68 118,124"
to_gif s_off

# Two beamed eighth notes.
render_big onpu "fill '$INK' stroke none
push graphic-context
  translate 52,148 rotate -22 ellipse 0,0 29,21 0,360
pop graphic-context
push graphic-context
  translate 140,132 rotate -22 ellipse 0,0 29,21 0,360
pop graphic-context
polygon 69,142 83,142 83,44 69,44
polygon 157,126 171,126 171,28 157,28
polygon 69,30 171,12 171,44 69,62"
to_gif onpu

# "Decided!" badge. The program keys out pure white, so the outside is
# #ffffff and every edge pixel is either fully outside or a solid drawing
# colour (blended onto the dark rim, never onto white).
W=816 H=492   # 4x of 204x123
burst=$(awk -v W=$W -v H=$H 'BEGIN {
    pi = atan2(0, -1); n = 22; cx = W / 2; cy = H / 2;
    p = "";
    for (i = 0; i < 2 * n; i++) {
        a = pi * i / n - pi / 2;
        f = (i % 2 == 0) ? 1.0 : 0.80;
        x = cx + f * (W / 2 - 10) * cos(a); y = cy + f * (H / 2 - 10) * sin(a);
        p = p sprintf("%.1f,%.1f ", x, y);
    }
    print p;
}')
sparkle() {  # sparkle X Y R COLOUR : four-point star
    awk -v x=$1 -v y=$2 -v r=$3 -v c="$4" 'BEGIN {
        q = r * 0.28;
        printf "fill \x27%s\x27 stroke \x27#b2410c\x27 stroke-width 6 polygon %d,%d %d,%d %d,%d %d,%d %d,%d %d,%d %d,%d %d,%d\n", c,
            x, y - r, x + q, y - q, x + r, y, x + q, y + q, x, y + r, x - q, y + q, x - r, y, x - q, y - q;
    }'
}
cat > "$TMP/kete.mvg" <<EOF
stroke '#b2410c' stroke-width 12 stroke-linejoin round
fill '#ffc21a' polygon $burst
stroke none fill '#ffe066'
polygon $(echo "$burst" | awk -v W=$W -v H=$H '{
    for (i = 1; i <= NF; i++) { split($i, c, ","); printf "%.1f,%.1f ", W/2 + (c[1]-W/2)*0.9, H/2 + (c[2]-H/2)*0.9 } }')
stroke '#7a0c14' stroke-width 12 fill '#e0182c'
ellipse 408,246 300,150 0,360
stroke '#ffd23c' stroke-width 14 fill none
ellipse 408,246 276,128 0,360
stroke none fill '#f8495a'
ellipse 408,190 236,60 180,360
$(sparkle 96 96 44 '#fff3a0')
$(sparkle 724 392 40 '#fff3a0')
$(sparkle 736 92 30 '#ffe066')
EOF
"$IM" -size ${W}x$H xc:none -draw "$(cat "$TMP/kete.mvg")" \
    -font "$FONT" -pointsize 172 -kerning -4 -gravity center \
    -fill '#5a0710' -annotate +8+14 '決定！' \
    -stroke '#7a0c14' -strokewidth 26 -fill '#7a0c14' -annotate +0+4 '決定！' \
    -stroke none -fill '#fff4b8' -annotate +0+4 '決定！' \
    "$TMP/kete.png"
"$IM" "$TMP/kete.png" -scale 204x123 \
    \( +clone -alpha extract -threshold 50% \) \
    \( -clone 0 -background '#b2410c' -alpha remove -alpha off \) \
    -delete 0 +swap -compose CopyOpacity -composite \
    -background '#ffffff' -alpha remove -alpha off \
    +dither -colors 128 "$OUT/kete.gif"

ls -l "$OUT"
