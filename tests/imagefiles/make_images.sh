#!/usr/bin/env bash
# Makes the image files the header-reader tests read, with ImageMagick and libjpeg-turbo's cjpeg, and
# writes what `identify` says of each (name, width, height) to sizes.txt in the same folder.
set -euo pipefail
out=$1
mkdir -p "$out"
cd "$out"
rm -f ./*.jpg ./*.png ./*.bmp ./*.gif ./*.tif ./*.tiff sizes.txt

convert -size 33x21 gradient:red-blue baseline.jpg
convert -size 40x25 gradient:green-white -interlace Plane progressive.jpg
convert -size 27x19 gradient:red-yellow ppm:- | cjpeg -arithmetic >arithmetic.jpg
convert -size 31x17 gradient:red-yellow ppm:- | cjpeg -arithmetic -progressive >arithmetic-progressive.jpg
convert -size 45x32 gradient:red-blue image.png
convert -size 16000x3 xc:white wide.png
convert -size 37x23 gradient:white-black BMP3:image.bmp
convert -size 12x7 xc:red screen.gif
convert -size 40x30 xc:blue -page 100x80+10+5 offset.gif
convert -size 20x10 xc:blue -define tiff:endian=lsb little.tif
convert -size 21x11 xc:blue -define tiff:endian=msb big.tiff

# A bitmap stored top-down: the height field of image.bmp negated (the rows are the same picture
# upside down, which is all a header reader may not care about).
cp image.bmp topdown.bmp
printf '\xE9\xFF\xFF\xFF' | dd of=topdown.bmp bs=1 seek=22 conv=notrunc status=none

# Uncompressed 8-bit grey TIFFs whose width and height are LONG values, in both byte orders.
tiff_long() { # file, order (II or MM), width, height
    local file=$1 order=$2 w=$3 h=$4
    local entries=9 ifd=8
    local data=$((ifd + 2 + entries * 12 + 4))
    n16() { if [ "$order" = II ]; then printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))";
            else printf "\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 & 255)))"; fi; }
    n32() { if [ "$order" = II ]; then n16 $(($1 & 65535)); n16 $(($1 >> 16)); else n16 $(($1 >> 16)); n16 $(($1 & 65535)); fi; }
    entry_short() { n16 "$1"; n16 3; n32 1; n16 "$2"; n16 0; }
    entry_long() { n16 "$1"; n16 4; n32 1; n32 "$2"; }
    {
        printf '%s' "$order"; n16 42; n32 $ifd
        n16 $entries
        entry_long 256 "$w"; entry_long 257 "$h"; entry_short 258 8; entry_short 259 1; entry_short 262 1
        entry_long 273 $data; entry_short 277 1; entry_long 278 "$h"; entry_long 279 $((w * h))
        n32 0
        head -c $((w * h)) /dev/zero
    } >"$file"
}
tiff_long long-little.tif II 300 200
tiff_long long-big.tif MM 301 201

for f in *.jpg *.png *.bmp *.gif *.tif *.tiff; do
    echo "$f $(identify -format '%w %h' "$f[0]")" >>sizes.txt
done
