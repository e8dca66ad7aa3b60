#!/bin/sh
# Builds the portable zip of the shipped programs: the two exes of the given build folder,
# the user guide beside them, README.txt and LICENSE.txt, all at the top of the zip.
#   make-dist.sh <build folder> <zip>
set -e
build=$1; zip=$2
here=$(cd "$(dirname "$0")" && pwd)
root="$here/.."
guide="Orvana Clarimo User Guide.chm"
version=$(basename "$zip" | sed -n 's/^OrvanaClarimo-\(.*\)-win32\.zip$/\1/p')
[ -n "$version" ] || { echo "make-dist: unexpected zip name $zip" >&2; exit 1; }
for f in Dirvista.exe Renamory.exe "$guide"; do
  [ -f "$build/$f" ] || { echo "make-dist: $build/$f missing (make build)" >&2; exit 1; }
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/Dirvista.exe" "$build/Renamory.exe" "$build/$guide" "$stage/"
# Text files get CRLF line ends: older Notepads show LF-only files as one long line.
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$root/docs/dist/README.txt" > "$stage/README.txt"
sed -e 's/$/\r/' "$root/LICENSE.txt" > "$stage/LICENSE.txt"
# Fixed time stamps, so that the same build gives the same zip.
touch -d '2026-01-01 00:00:00' "$stage"/*
mkdir -p "$(dirname "$zip")"
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip.tmp" Dirvista.exe Renamory.exe "$guide" README.txt LICENSE.txt)
mv "$zip.tmp" "$zip"
echo "dist: $zip"
