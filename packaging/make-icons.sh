#!/usr/bin/env bash
# Draws the desktop icons into packaging/icons with ImageMagick: the same mark
# as tools/make-images.sh draws for the window. The outputs are committed.
set -euo pipefail
cd "$(dirname "$0")/icons"
ORANGE='#ffa02f'
DEEP='#d7801a'
for s in 16 22 24 32 48 64 128 256; do
    convert -size "${s}x${s}" xc:none -fill "$ORANGE" -stroke "$DEEP" -strokewidth $((s / 32 + 1)) \
        -draw "roundrectangle $((s / 16)),$((s / 16)) $((s - 1 - s / 16)),$((s - 1 - s / 16)) $((s / 5)),$((s / 5))" \
        -fill white -stroke none -font DejaVu-Sans-Bold -pointsize $((s * 72 / 100)) -gravity center -annotate +0-$((s / 40)) 'Z' \
        -fill '#323232' -draw "rectangle $((s * 22 / 100)),$((s * 80 / 100)) $((s * 78 / 100)),$((s * 84 / 100))" \
        -strip -depth 8 "PNG32:zarel-$s.png"
done
