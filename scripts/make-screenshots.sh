#!/bin/sh
# Photographs both programs in a realistic state for the README: each showcase (the real
# main dialog, driven as a user would drive it) runs under Xvfb in a Wine virtual desktop,
# on a small fixture drive D:, and the dialog is cut out of the screen.
#   make-screenshots.sh <build folder with tests/showcase> <output folder>
# WINEPREFIX: the prefix to use (made on first use; its drives are set to C: and D: only).
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
: "${WINEPREFIX:=$build/wineprefix-shots}"
mkdir -p "$(dirname "$WINEPREFIX")"
WINEPREFIX=$(cd "$(dirname "$WINEPREFIX")" && pwd)/$(basename "$WINEPREFIX")
export WINEPREFIX
unset WINE_GRAPHICS
. "$here/wine-env.sh"

# The prefix (once), then its server stopped: drives are read when the server starts.
sh "$here/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 || true
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

# Drives as on a user's machine: C: and a demo drive D:.
fixture="$build/screenshot-fixture"
sh "$here/demo-drive.sh" "$fixture" --only

# The programs, with the user guide beside them, in a folder of their own on C:.
inst="$WINEPREFIX/drive_c/Orvana"
mkdir -p "$inst"
cp "$build/tests/showcase/showcase_dirvista.exe" "$build/tests/showcase/showcase_renamory.exe" "$inst/"
[ -f "$build/Orvana Clarimo User Guide.chm" ] && cp "$build/Orvana Clarimo User Guide.chm" "$inst/"

shoot() {
  png=$1; shift
  report="$WINEPREFIX/drive_c/showcase-report.txt"
  rm -f "$report"
  xvfb-run -a -s "-screen 0 1280x1024x24" sh "$here/showcase-shot.sh" "$inst" "$report" "$png" "$@"
}
shoot "$out/dirvista.png" 'C:\Orvana\showcase_dirvista.exe' 'D:\' 'C:\showcase-report.txt'
shoot "$out/renamory.png" 'C:\Orvana\showcase_renamory.exe' 'C:\showcase-report.txt' 'Lisbon_2026_' \
  'D:\Photos\Lisbon\IMG_0412.jpg' 'D:\Photos\Lisbon\IMG_0413.jpg' 'D:\Photos\Lisbon\IMG_0414.jpg' \
  'D:\Photos\Lisbon\IMG_0415.jpg' 'D:\Photos\Lisbon\IMG_0416.jpg' 'D:\Photos\Lisbon\IMG_0417.jpg'
