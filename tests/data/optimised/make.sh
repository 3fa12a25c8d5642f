#!/bin/sh
# Makes the optimised animations of this folder with ImageMagick 6 (Debian 12's imagemagick,
# /usr/bin/convert). Run it here; it writes the GIFs and removes its scratch pictures.
set -e
convert=/usr/bin/convert
cream='rgb(236,228,200)' red='rgb(200,30,30)' blue='rgb(30,40,180)'
scene() { # frame number, output: the bar, and the 8 x 6 box moving 5 right and 2 down a frame
    x=$((4 + $1 * 5)) y=$((6 + $1 * 2))
    $convert -size 40x30 "xc:$cream" -fill "$blue" -draw 'rectangle 2,22 37,25' \
        -fill "$red" -draw "rectangle $x,$y $((x + 7)),$((y + 5))" "$2"
}
box() { # frame number, crop height, output: the box without the bar, cropped around it
    x=$((4 + $1 * 5)) y=$((6 + $1 * 2))
    $convert -size 40x30 "xc:$cream" -fill "$red" -draw "rectangle $x,$y $((x + 7)),$((y + 5))" \
        -crop "12x$2+$((x - 2))+$((y - 1))" "$3"
}
for i in 0 1 2 3 4 5; do
    scene $i scene$i.png
    box $i $((18 - 2 * i)) reach$i.png # down to row 22, the bar's first row
    $convert scene$i.png -crop "12x10+$((2 + 5 * i))+$((5 + 2 * i))" tight$i.png
done
$convert -size 40x30 "xc:$cream" -fill "$blue" -draw 'rectangle 2,22 37,25' still.png
$convert -delay 10 -loop 0 scene?.png -layers Optimize optimize.gif
$convert -delay 10 -loop 0 scene?.png -layers OptimizeFrame optimize-frame.gif
$convert -delay 10 -loop 0 scene?.png -layers OptimizeTransparency optimize-transparency.gif
$convert -delay 10 -loop 0 -dispose None still.png -dispose Previous reach?.png previous.gif
$convert -delay 10 -loop 0 -dispose None still.png -dispose Previous tight?.png previous-clean.gif
$convert -delay 10 -loop 0 -dispose None still.png -dispose Background reach?.png background.gif
$convert -delay 10 -loop 0 -dispose Background scene?.png background-full.gif
rm -f scene?.png reach?.png tight?.png still.png
