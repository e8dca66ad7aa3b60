#!/bin/sh
# Gives a Wine prefix a demo drive D: with folders of plausible sizes (sparse files; the
# viewer counts logical sizes) and a few holiday photos to rename. With --only, D: and C: are
# its only drives, as on a user's machine (Z:, the whole Linux file system, and the test
# drives would clutter the screenshots). Drives are read when the server starts: stop it
# first.
#   demo-drive.sh <fixture folder> [--only]      (WINEPREFIX must be set)
set -e
fixture=$1
rm -rf "$fixture"
mkdir -p "$fixture"
fixture=$(cd "$fixture" && pwd)
file() { mkdir -p "$(dirname "$fixture/$1")"; truncate -s "$2" "$fixture/$1"; }
file "Archive/2024/backup-2024.zip" 1900M
file "Archive/2025/backup-2025.zip" 2300M
file "Documents/Letters/tax-return-2025.pdf" 3M
file "Documents/Manuals/washing-machine.pdf" 12M
file "Documents/Thesis/thesis-final.docx" 340M
file "Music/Jazz/kind-of-blue.flac" 610M
file "Music/Classical/goldberg-variations.flac" 880M
file "Photos/Lisbon/IMG_0412.jpg" 6M
file "Photos/Lisbon/IMG_0413.jpg" 5M
file "Photos/Lisbon/IMG_0414.jpg" 7M
file "Photos/Lisbon/IMG_0415.jpg" 6M
file "Photos/Lisbon/IMG_0416.jpg" 4M
file "Photos/Lisbon/IMG_0417.jpg" 6M
file "Photos/Family/2025-summer.zip" 2600M
file "Projects/orvana/build.log" 120M
file "Projects/website/assets.tar" 700M
file "Videos/Holidays/lisbon-2025.mp4" 4100M
file "Videos/Talks/keynote.mkv" 1500M

devices="$WINEPREFIX/dosdevices"
if [ "$2" = --only ]; then
  for d in r s t u v z; do rm -f "$devices/$d:"; done
fi
ln -sfn "$fixture" "$devices/d:"
