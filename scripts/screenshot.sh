#!/bin/sh
# Inside an X server: start a program in a Wine virtual desktop (so windows get their
# frames), wait, photograph the screen, end the program.
#   screenshot.sh <exe> <png> <seconds>
exe=$1; png=$2; secs=$3
here=$(cd "$(dirname "$0")" && pwd)
sh "$here/wine-run.sh" explorer /desktop=orvana,1280x1024 "$exe" &
pid=$!
sleep "$secs"
import -window root "$png"
wineserver -k 2>/dev/null || true
wait $pid 2>/dev/null || true
