#!/usr/bin/env bash
# Makes a sample folder of real JPEG and PNG pictures, a few of them byte-identical copies of
# others, for `make demo` and the README's screenshot. Needs ImageMagick's convert.
#   tools/make-demo.sh [FOLDER]   (default: demo)
set -euo pipefail

folder=${1:-demo}
command -v convert >/dev/null || { echo "make-demo.sh: ImageMagick's convert is missing" >&2; exit 1; }

# Only a folder this script made (it holds the marker) is replaced; anything else is kept.
marker=.twinpics-demo
if [ -e "$folder" ]; then
    if [ ! -e "$folder/$marker" ] && [ -n "$(ls -A -- "$folder" 2>/dev/null)" ]; then
        echo "make-demo.sh: $folder exists and is not a demo folder; not touching it" >&2
        exit 1
    fi
    rm -rf -- "$folder"
fi
mkdir -p -- "$folder"
touch -- "$folder/$marker"
mkdir -p -- "$folder/Holiday 2024/picked" "$folder/Family" "$folder/Backup/old phone" \
  "$folder/Wallpapers"

# picture FILE SIZE BACKGROUND TITLE: a picture with a title on it; without the title when
# ImageMagick has no font to write it with.
picture() {
    local file=$1 size=$2 background=$3 title=$4
    if ! convert -size "$size" $background -gravity center -pointsize 64 -fill white \
        -stroke '#00000060' -strokewidth 2 -annotate 0 "$title" "$file" 2>/dev/null; then
        convert -size "$size" $background "$file"
    fi
}

# -seed keeps the plasma pictures the same from one run to the next.
picture "$folder/Holiday 2024/sunset.jpg" 800x600 "-seed 7 plasma:orange-purple -blur 0x2" Sunset
picture "$folder/Holiday 2024/beach.jpg" 900x600 "-seed 11 plasma:gold-deepskyblue -blur 0x3" Beach
picture "$folder/Holiday 2024/harbour.jpg" 1200x800 "-seed 13 plasma:navy-teal -blur 0x2" Harbour
picture "$folder/Family/garden.jpg" 640x800 "-seed 17 plasma:forestgreen-yellowgreen -blur 0x2" Garden
picture "$folder/Wallpapers/dunes.png" 1280x720 "gradient:#f4c27a-#b5651d" Dunes
picture "$folder/Wallpapers/night.png" 1024x768 "radial-gradient:#3b4a8c-#05070f" Night
convert wizard: "$folder/Family/wizard.jpg"
convert rose: -resize 400% "$folder/Family/rose.png"
convert logo: -resize 60% "$folder/Wallpapers/logo.png"

# The duplicates: byte-identical copies under other names and folders.
cp -- "$folder/Holiday 2024/sunset.jpg" "$folder/Holiday 2024/picked/sunset (1).jpg"
cp -- "$folder/Holiday 2024/sunset.jpg" "$folder/Backup/old phone/IMG_0042.jpg"
cp -- "$folder/Family/wizard.jpg" "$folder/Backup/wizard copy.jpg"
cp -- "$folder/Holiday 2024/harbour.jpg" "$folder/Backup/old phone/IMG_0057.jpg"
cp -- "$folder/Wallpapers/dunes.png" "$folder/Backup/dunes.png"
cp -- "$folder/Family/rose.png" "$folder/Backup/old phone/rose.png"

# Looks like a copy, but is not: the same picture saved again at another quality.
convert "$folder/Holiday 2024/beach.jpg" -quality 70 "$folder/Backup/beach.jpg"

echo "Made $(find "$folder" -type f ! -name "$marker" | wc -l) pictures in $folder" \
  "($(find "$folder" -name '*.jpg' | wc -l) JPEG, $(find "$folder" -name '*.png' | wc -l) PNG)"
