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
# The prefix (once), then its server stopped: drives are read when the server starts. A
# demo drive D: gives the viewer something to measure and the renamer photos to rename.
sh "$here/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 || true
. "$here/wine-env.sh"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
sh "$here/demo-drive.sh" "$build/run-fixture"
# Started from its own folder, as from Explorer: the user guide (F1) and the skin file are
# found by relative name there.
cd "$(dirname "$exe")"
if [ -n "$DISPLAY" ] && [ -z "$ORVANA_SCREENSHOT" ]; then
  exec sh "$here/wine-run.sh" "$exe"
fi
shot="$shots/screenshot-$name.png"
# Without a display the viewer is shown with the demo drive opened, as a user opens it.
driver="$build/tests/showcase/demo_open_drive.exe"
if [ "$name" = dirvista ] && [ -f "$driver" ]; then
  set -- "$driver" "$exe" D
else
  set -- "$exe"
fi
xvfb-run -a -s "-screen 0 1280x1024x24" sh "$here/screenshot.sh" "$shot" "${ORVANA_RUN_SECONDS:-6}" "$@"
echo "screenshot: $shot"
