#!/bin/sh
# Inside an X server: runs one showcase in a Wine virtual desktop (which draws the window
# frames), waits for its report, cuts its window out of the screen into a PNG, and ends it.
#   showcase-shot.sh <folder to start in> <report file> <png> <showcase exe> <arguments>...
folder=$1; report=$2; png=$3; shift 3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
cd "$folder"
$WINE explorer /desktop=orvana,1280x1024 "$@" >/dev/null 2>&1 &
pid=$!
# The showcase writes the report once its dialog shows the state to photograph.
waited=0
while [ ! -f "$report" ] && [ $waited -lt 1200 ]; do
  sleep 0.1
  waited=$((waited + 1))
done
status=0
if [ -f "$report" ]; then
  set -- $(sed -n 's/^window //p' "$report")
  import -window root -crop "${3}x${4}+${1}+${2}" +repage "$png"
  echo "screenshot: $png"
  sed -n '/^window /!s/^/  showcase: /p' "$report"
else
  echo "screenshot: no report from the showcase within 120 s; no picture" >&2
  status=1
fi
wineserver -k 2>/dev/null || true
wait $pid 2>/dev/null || true
exit $status
