#!/bin/sh
# Inside an X server: start a program in a Wine virtual desktop (so windows get their
# frames), wait, photograph the screen, end the program.
#   screenshot.sh <png> <seconds> <exe> [<argument>...]
# Arguments that are existing files are given to the program as Windows paths.
png=$1; secs=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
# explorer /desktop wants Windows paths: Z: is the whole Linux file system.
for a in "$@"; do
  if [ -e "$a" ]; then
    a="Z:$(cd "$(dirname "$a")" && pwd | sed 's|/|\\|g')\\$(basename "$a")"
  fi
  set -- "$@" "$a"
  shift
done
$WINE explorer /desktop=orvana,1280x1024 "$@" &
pid=$!
sleep "$secs"
import -window root "$png"
wineserver -k 2>/dev/null || true
wait $pid 2>/dev/null || true
