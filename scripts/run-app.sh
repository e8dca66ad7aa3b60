#!/bin/sh
# Starts one of the suite's programs under Wine. With a display it simply runs; without one
# it runs under Xvfb, saves a screenshot as <build>/screenshot-<app>.png and ends.
#   run-app.sh <build folder> dirvista|renamory
set -e
build=$1; app=$2; shots=${3:-$1}
here=$(cd "$(dirname "$0")" && pwd)
case "$app" in
  dirvista|Dirvista) exe="$build/Dirvista.exe"; name=dirvista ;;
  renamory|Renamory) exe="$build/Renamory.exe"; name=renamory ;;
  *) echo "APP must be dirvista or renamory" >&2; exit 2 ;;
esac
: "${WINEPREFIX:=$build/wineprefix-run}"
WINEPREFIX=$(mkdir -p "$WINEPREFIX" && cd "$WINEPREFIX" && pwd)
export WINEPREFIX
mkdir -p "$shots"
shots=$(cd "$shots" && pwd)
exe="$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")"
# Started from its own folder, as from Explorer: the user guide (F1) and the skin file are
# found by relative name there.
cd "$(dirname "$exe")"
if [ -n "$DISPLAY" ] && [ -z "$ORVANA_SCREENSHOT" ]; then
  exec sh "$here/wine-run.sh" "$exe"
fi
shot="$shots/screenshot-$name.png"
# Make the prefix (once) before the clock of the screenshot starts.
sh "$here/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 || true
# Services started without a display must not outlive into the X session.
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" sh "$here/screenshot.sh" "$exe" "$shot" "${ORVANA_RUN_SECONDS:-6}"
echo "screenshot: $shot"
