#!/bin/sh
# Inside an X server: start a program in a Wine virtual desktop (so windows get their
# frames), wait, photograph the screen, end the program.
#   screenshot.sh <exe> <png> <seconds>
exe=$1; png=$2; secs=$3
here=$(cd "$(dirname "$0")" && pwd)
# explorer /desktop wants a Windows path: Z: is the whole Linux file system.
winexe="Z:$(cd "$(dirname "$exe")" && pwd | sed 's|/|\\|g')\\$(basename "$exe")"
. "$here/wine-env.sh"
$WINE explorer /desktop=orvana,1280x1024 "$winexe" &
pid=$!
sleep "$secs"
import -window root "$png"
wineserver -k 2>/dev/null || true
wait $pid 2>/dev/null || true
