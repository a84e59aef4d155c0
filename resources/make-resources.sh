#!/bin/bash
# Draws the game's pictures and writes its desktop entry into this folder.
#
# Every picture is drawn from scratch with ImageMagick 6 (`convert`), using
# fixed plasma seeds, so running the script again gives the same files byte
# for byte. Run it after changing a design and commit the results: the build
# embeds the files as they are and never runs this script.
#
#   tovik2.ico     32x32, 16 colours: the game icon (a board, some tiles solved)
#   tovik2.png     64x64: the same icon for the desktop entry and dense screens
#   ok.gif         40x40, transparent corners: marble sphere marked OK
#   cancel.gif     40x40, transparent corners: marble sphere marked Cancel
#   title.gif      318x186: the splash picture
#   sample.jpg     300x300: a coastal landscape to play with
#   backgland.gif  320x240: light marble stretched behind every window
#
# The pictures of the layouts also come as NAME@2x.png, twice the size each
# way with the same design, for screens of a device pixel ratio above 1:
# ok@2x.png, cancel@2x.png, title@2x.png and backgland@2x.png (the icon's is
# tovik2.png). Their noise is made at the plain size and enlarged, so both
# show the same marble; lines, letters and edges are drawn at the full size.

set -euo pipefail

cd "$(dirname "$0")"

command -v convert >/dev/null || {
    echo "make-resources.sh: ImageMagick's convert is needed" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Plain metadata only: no creation dates, so reruns do not differ.
png_opts=(-strip -depth 8 -define 'png:exclude-chunks=date,time')

# Colour look-up row for -clut, blending evenly through the given colours
# (first colour for black input, last for white).
clut() {
    local colours=()
    local c
    for c in "$@"; do
        colours+=("xc:$c")
    done
    convert "${colours[@]}" +append -filter triangle -resize '256x1!' "$work/clut.png"
    echo "$work/clut.png"
}

# A length scaled by a factor, for ImageMagick arguments with decimals.
times() {
    awk -v a="$1" -v k="$2" 'BEGIN { print a * k }'
}

# Grey marble: a plasma cloud bends a field of diagonal bands; the bands are
# squeezed into thin dark veins and a little of the cloud is kept as haze.
# Args: seed, WxH, vein sharpness (lower is thinner), output file, and the
# scale (default 1): the cloud is made at WxH and enlarged, the veins drawn at
# the scaled size.
marble() {
    local seed=$1 size=$2 sharpness=$3 out=$4 k=${5:-1}
    local grow=()
    [ "$k" -gt 1 ] && grow=(-resize "$((100 * k))%")
    convert -size "$size" -seed "$seed" plasma:fractal -blur 0x3 -colorspace gray -auto-level \
        "${grow[@]}" \
        -fx "vv=pow(abs(sin((i/w*2.0+j/h*1.2+u*3.0)*pi)),$sharpness); 0.75*vv+0.25*u" \
        -blur "0x$(times 0.5 "$k")" "$out"
}

# --- game icon -------------------------------------------------------------
# A framed 3x3 board: five tiles show their piece of a picture (a yellow sun
# with rays on blue sky), four are reversed and show a plain grey face.
# Drawn on a 32-pixel grid scaled by $1, so the 64-pixel icon keeps the design.
draw_icon() {
    local k=$1 out=$2
    local n=$((32 * k)) q=$((4 * k))
    local ss=$((128 * k))

    # The picture is drawn four times larger and reduced, for smooth rays.
    convert -size "${ss}x${ss}" gradient:'#3a78ff'-'#0824b8' \
        -fill '#ffe000' -stroke '#ffe000' -strokewidth $((3 * q / 2)) \
        -draw "line $((16 * q)),$((16 * q)) $((1 * q)),$((1 * q))" \
        -draw "line $((16 * q)),$((16 * q)) $((31 * q)),$((1 * q))" \
        -draw "line $((16 * q)),$((16 * q)) $((1 * q)),$((31 * q))" \
        -draw "line $((16 * q)),$((16 * q)) $((31 * q)),$((31 * q))" \
        -draw "line $((16 * q)),$((16 * q)) $((16 * q)),0" \
        -draw "line $((16 * q)),$((16 * q)) $((16 * q)),$((32 * q))" \
        -draw "line $((16 * q)),$((16 * q)) 0,$((16 * q))" \
        -draw "line $((16 * q)),$((16 * q)) $((32 * q)),$((16 * q))" \
        -stroke none -draw "circle $((16 * q)),$((16 * q)) $((16 * q)),$((13 * q))" \
        -resize "${n}x${n}" "$work/icon-picture.png"

    # Frame: black outline, a grey rim lit from the top left, black grid.
    local frame="fill #000000 rectangle 0,0 $((n - 1)),$((n - 1))"
    frame+=" fill #808080 rectangle $k,$k $((n - 1 - k)),$((n - 1 - k))"
    frame+=" fill #c0c0c0 rectangle $k,$k $((n - 1 - k)),$((2 * k - 1))"
    frame+=" rectangle $k,$k $((2 * k - 1)),$((n - 1 - k))"
    frame+=" fill #000000 rectangle $((2 * k)),$((2 * k)) $((n - 1 - 2 * k)),$((n - 1 - 2 * k))"

    # Tiles are 8 units wide at 3, 12 and 21, one black unit between them.
    local origins=(3 12 21)
    local shown="" reversed="" cell=0 row col
    for row in 0 1 2; do
        for col in 0 1 2; do
            cell=$((cell + 1))
            local x0=$((origins[col] * k)) y0=$((origins[row] * k))
            local x1=$(((origins[col] + 8) * k - 1)) y1=$(((origins[row] + 8) * k - 1))
            case $cell in
            1 | 3 | 5 | 6 | 8)
                shown+=" rectangle $x0,$y0 $x1,$y1"
                ;;
            *)
                # A raised button face: white top-left edge, grey bottom-right.
                reversed+=" fill #ffffff rectangle $x0,$y0 $x1,$y1"
                reversed+=" fill #808080 rectangle $((x0 + k)),$((y0 + k)) $x1,$y1"
                reversed+=" fill #c0c0c0 rectangle $((x0 + k)),$((y0 + k)) $((x1 - k)),$((y1 - k))"
                ;;
            esac
        done
    done

    convert -size "${n}x${n}" xc:none -draw "$frame" \
        \( "$work/icon-picture.png" \
        \( -size "${n}x${n}" xc:black -fill white -draw "$shown" \) \
        -alpha off -compose copy_opacity -composite \) \
        -compose over -composite -draw "$reversed" -alpha off "$out"
}

draw_icon 1 "$work/icon32.png"
# A 16-colour palette image makes the icon writer store a 4-bit bitmap.
convert "$work/icon32.png" +dither -colors 16 -type palette tovik2.ico
draw_icon 2 "$work/icon64.png"
convert "$work/icon64.png" "${png_opts[@]}" tovik2.png

# --- OK and Cancel spheres -------------------------------------------------
# Dark teal marble with grey veins, lit from the top left with a soft
# highlight, drawn at 160 pixels and reduced to 40.
S=160
convert -size ${S}x${S} -seed 3 plasma:fractal -blur 0x3 -colorspace gray -auto-level \
    -fx "vv=pow(abs(sin((i/w*1.6+j/h*1.0+u*2.2)*pi)),1.3); 0.75*vv+0.25*u" -blur 0x1 \
    "$(clut '#c4cbcc' '#97a3a4' '#5c7274' '#1f4e52' '#07292c')" -clut "$work/sphere-marble.png"
sphere_light="xx=(i+0.5)/w*2-1; yy=(j+0.5)/h*2-1; zz=sqrt(max(0,1-xx*xx-yy*yy));"
sphere_light+=" d=max(0,-0.45*xx-0.55*yy+0.70*zz);"
convert -size ${S}x${S} xc: -fx "$sphere_light 0.25+0.75*d" "$work/sphere-diffuse.png"
convert -size ${S}x${S} xc: -fx "$sphere_light pow(d,28)" "$work/sphere-highlight.png"
for n in 40 80; do
    convert "$work/sphere-marble.png" \
        "$work/sphere-diffuse.png" -compose multiply -composite \
        "$work/sphere-highlight.png" -compose screen -composite \
        -resize ${n}x${n} "$work/sphere$n.png"
done

# The label is drawn at the final size so it stays crisp; a dark shadow keeps
# it readable over the grey veins. GIF transparency is all or nothing, so the
# disc is cut with a hard edge (radius 18.8 avoids lone pixels at its poles);
# the PNG of the dense version keeps the disc's smooth edge.
# Args: label, font, point size, scale, output file.
sphere_button() {
    local label=$1 font=$2 size=$3 k=$4 out=$5
    local n=$((40 * k)) centre edge=(-threshold 50%) opts=()
    centre=$(times $((n - 1)) 0.5)
    if [ "$k" -gt 1 ]; then
        edge=()
        opts=("${png_opts[@]}")
    fi
    convert "$work/sphere$n.png" -gravity center -font "$font" -pointsize $((size * k)) \
        -fill '#000000a0' -annotate +$k+$k "$label" -fill white -annotate +0+0 "$label" \
        \( -size ${n}x${n} xc:black -fill white \
        -draw "circle $centre,$centre $centre,$(times 0.7 "$k")" "${edge[@]}" \) \
        -alpha off -compose copy_opacity -composite "${opts[@]}" "$out"
}
sphere_button OK Liberation-Sans-Bold 17 1 ok.gif
sphere_button Cancel Liberation-Sans-Narrow-Bold 11 1 cancel.gif
sphere_button OK Liberation-Sans-Bold 17 2 ok@2x.png
sphere_button Cancel Liberation-Sans-Narrow-Bold 11 2 cancel@2x.png

# --- title picture ---------------------------------------------------------
# TOVIK in dark marble with a soft shadow, over a grey embossed numeral II,
# on a light marble panel with a bevelled edge. Args: scale, output file; the
# plain GIF has 255 colours, the dense PNG all of them.
draw_title() {
    local k=$1 out=$2
    local W=318 H=186 colours=(-colors 255)
    [ "$k" -gt 1 ] && colours=("${png_opts[@]}")
    marble 21 ${W}x${H} 0.45 "$work/title-light.png" "$k"
    convert "$work/title-light.png" "$(clut '#a29e96' '#cfcbc3' '#e8e5df' '#f5f3ef')" -clut "$work/title-panel.png"
    marble 5 ${W}x${H} 0.45 "$work/title-dark.png" "$k"
    convert "$work/title-dark.png" "$(clut '#7a8a90' '#3a4a52' '#1c262c' '#0c1216')" -clut "$work/title-letters.png"
    W=$((W * k)) H=$((H * k))
    convert -size ${W}x${H} xc:black -font Liberation-Serif-Bold -pointsize $((200 * k)) -fill white \
        -gravity center -annotate +0+$((10 * k)) 'II' "$work/title-numeral.png"
    convert -size ${W}x${H} xc:black -font Liberation-Serif-Bold -pointsize $((84 * k)) -fill white \
        -gravity center -annotate +0-$((6 * k)) 'TOVIK' "$work/title-word.png"
    convert "$work/title-panel.png" \
        \( "$work/title-numeral.png" -blur 0x$((2 * k)) -shade 135x40 -auto-level -level 20%,100% +level 45%,75% \
        "$work/title-numeral.png" -alpha off -compose copy_opacity -composite \) -compose over -composite \
        \( "$work/title-word.png" -blur 0x$((3 * k)) -background black -alpha shape \
        -channel A -evaluate multiply 0.55 +channel -geometry +$((4 * k))+$((4 * k)) \) -compose over -composite \
        \( "$work/title-letters.png" "$work/title-word.png" -alpha off -compose copy_opacity -composite \) \
        -compose over -composite -raise $((6 * k)) "${colours[@]}" "$out"
}
draw_title 1 title.gif
draw_title 2 title@2x.png

# --- sample photograph -----------------------------------------------------
# A reddish crag in front of blue sea, a far headland and a sky with clouds.
W=300 H=300 HZ=128
SEA=$((H - HZ))
convert -size ${W}x${HZ} -seed 31 plasma:fractal -blur 0x6 -colorspace gray -auto-level \
    -level 55%,100% -blur 0x2 "$work/clouds.png"
convert -size ${W}x${HZ} gradient:'#2c64b8'-'#b4d3ef' \
    \( -size ${W}x${HZ} xc:white "$work/clouds.png" -alpha off -compose copy_opacity -composite \) \
    -compose over -composite -fill '#7f97ae' \
    -draw "polygon 196,$HZ 214,$((HZ - 6)) 236,$((HZ - 9)) 258,$((HZ - 7)) 282,$((HZ - 10)) 300,$((HZ - 8)) 300,$HZ" \
    "$work/sky.png"
# Waves are horizontal streaks: a narrow plasma stretched sideways.
convert -size 50x${SEA} -seed 32 plasma:fractal -colorspace gray -auto-level \
    -resize "${W}x${SEA}!" -blur 0x0.6 "$work/waves.png"
convert -size ${W}x${SEA} gradient:'#4a86c0'-'#0b3566' "$work/waves.png" -compose softlight -composite "$work/sea.png"
convert "$work/sky.png" "$work/sea.png" -append -fill '#e2eef8' -draw "line 0,$HZ 196,$HZ" "$work/scene.png"

convert -size ${W}x${H} xc:black -fill white \
    -draw "polygon 0,300 0,168 10,160 22,134 36,124 46,100 60,92 72,96 82,88 96,100 106,98 118,118 134,126 146,146 162,156 176,178 198,194 214,218 226,240 238,262 252,300" \
    -draw "polygon 236,300 246,262 258,250 270,252 282,240 292,246 300,244 300,300" \
    -blur 0x0.6 "$work/rock-mask.png"
convert -size ${W}x${H} -seed 33 plasma:fractal -colorspace gray -auto-level \
    \( +clone -blur 0x6 \) -compose blend -define compose:args=25 -composite -auto-level "$work/rock-noise.png"
# Rock colour: the texture through a red-brown ramp, embossed by its own
# relief, rounded by the outline and darker away from the sun on the left.
convert "$work/rock-noise.png" "$(clut '#3e140c' '#7c2e1c' '#ac4e34' '#d8906c')" -clut \
    \( "$work/rock-noise.png" -blur 0x2 -shade 150x25 -auto-level \) -compose overlay -composite \
    \( "$work/rock-mask.png" -blur 0x8 -shade 135x40 -auto-level \) -compose softlight -composite \
    \( -size ${W}x${H} gradient:'#ffffff'-'#606060' -rotate -90 \) -compose multiply -composite \
    "$work/rock.png"
# Broken foam where the sea meets the rocks, none against the sky.
convert "$work/rock-mask.png" -morphology dilate disk:3 -blur 0x2 "$work/rock-mask.png" \
    -compose minus_src -composite -level 0,70% \
    \( -size ${W}x${H} -seed 34 plasma:fractal -colorspace gray -auto-level -level 30%,80% \) \
    -compose multiply -composite -fill black -draw "rectangle 0,0 $W,$((HZ + 2))" "$work/foam.png"
convert "$work/scene.png" \
    \( -size ${W}x${H} xc:white "$work/foam.png" -alpha off -compose copy_opacity -composite \) -compose over -composite \
    \( "$work/rock.png" "$work/rock-mask.png" -alpha off -compose copy_opacity -composite \) -compose over -composite \
    -strip -quality 88 -sampling-factor 2x2 sample.jpg

# --- window background -----------------------------------------------------
# Pale marble with faint veins; kept light so black labels read on top of it.
marble 41 320x240 0.45 "$work/background.png"
convert "$work/background.png" -blur 0x0.7 "$(clut '#c4c0b8' '#dcd9d2' '#ebe8e2' '#f4f2ee')" -clut backgland.gif
marble 41 320x240 0.45 "$work/background.png" 2
convert "$work/background.png" -blur 0x1.4 "$(clut '#c4c0b8' '#dcd9d2' '#ebe8e2' '#f4f2ee')" -clut \
    "${png_opts[@]}" backgland@2x.png
