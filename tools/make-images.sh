#!/usr/bin/env bash
# Draws the panel's images into resources/images with ImageMagick.
# Run it again after changing a picture; the outputs are committed.
set -euo pipefail
cd "$(dirname "$0")/../resources/images"
FONT=DejaVu-Sans-Bold
ORANGE='#ffa02f'
DEEP='#d7801a'

# The mark: a white Z on an orange rounded square with a signal bar.
mark() { # size output
    local s=$1 out=$2
    convert -size "${s}x${s}" xc:none -fill "$ORANGE" -stroke "$DEEP" -strokewidth $((s / 32 + 1)) \
        -draw "roundrectangle $((s / 16)),$((s / 16)) $((s - 1 - s / 16)),$((s - 1 - s / 16)) $((s / 5)),$((s / 5))" \
        -fill white -stroke none -font "$FONT" -pointsize $((s * 72 / 100)) -gravity center -annotate +0-$((s / 40)) 'Z' \
        -fill '#323232' -draw "rectangle $((s * 22 / 100)),$((s * 80 / 100)) $((s * 78 / 100)),$((s * 84 / 100))" \
        "$out"
}

# Logo: the mark beside the word ZAREL and the device line under it.
logo() { # width height textcolour output
    local w=$1 h=$2 colour=$3 out=$4
    mark $((h * 80 / 100)) /tmp/zarel-mark.png
    convert -size "${w}x${h}" xc:none /tmp/zarel-mark.png -geometry +0+$((h / 10)) -composite \
        -font "$FONT" -fill "$colour" -pointsize $((h * 40 / 100)) -gravity northwest \
        -annotate +$((h * 95 / 100))+$((h * 8 / 100)) 'ZAREL' \
        -fill "$ORANGE" -pointsize $((h * 8 / 100)) \
        -annotate +$((h * 97 / 100))+$((h * 62 / 100)) 'MERAX  REMOTE  CONTROL' \
        -strip "$out"
}

logo 564 244 white 'Logomarca Branco.png'
logo 622 222 white 'Logomarca.png'

for s in 16 24 32 48 256; do mark "$s" "/tmp/zarel-icon-$s.png"; done
convert /tmp/zarel-icon-{16,24,32,48,256}.png quorvan.ico
convert /tmp/zarel-icon-48.png quorvan_old.ico

convert -size 16x16 xc:white -strip white.png
convert -size 16x16 xc:'#ffe000' -strip yellow.png
convert -size 16x16 xc:black -strip black.png
convert -size 16x16 xc:'#ff0000' -strip corSplit.png
convert -size 16x16 xc:'#ff8000' -strip corSuperSplit.png
convert -size 9x9 xc:none -stroke "$ORANGE" -strokewidth 2 -draw 'line 1,4 3,7' -draw 'line 3,7 8,1' -strip checkbox.png
convert -size 16x16 xc:none -fill white -draw 'polygon 3,5 13,5 8,11' -strip down_arrow.png
convert -size 10x32 xc:none -fill '#7a7a7a' -draw 'rectangle 3,2 4,29' -draw 'rectangle 6,2 7,29' -strip handle.png
convert -size 200x60 xc:'#323232' "Logomarca Branco.png" -resize 200x60 -gravity center -composite -quality 90 logo1.jpg
rm -f /tmp/zarel-mark.png /tmp/zarel-icon-*.png
