#!/bin/sh
# Compiles the user guide (docs/guide) with chmcmd and puts "Orvana Clarimo User Guide.chm"
# into each folder given: the programs open it by relative name on F1, so it has to lie
# beside the exes in every build folder a program is started from.
#   build-guide.sh <folder>...
set -e
here=$(cd "$(dirname "$0")" && pwd)
src="$here/../docs/guide"
name="Orvana Clarimo User Guide.chm"
command -v chmcmd >/dev/null || { echo "build-guide: chmcmd missing (Debian package fp-utils-3.2.2; make bootstrap)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/* "$work/"
# chmcmd writes into the current folder and talks on stdout even when all is well.
(cd "$work" && chmcmd guide.hhp >chmcmd.log 2>&1) || { cat "$work/chmcmd.log" >&2; exit 1; }
[ -s "$work/guide.chm" ] || { echo "build-guide: chmcmd wrote no guide.chm" >&2; exit 1; }
for dir in "$@"; do
  mkdir -p "$dir"
  cp "$work/guide.chm" "$dir/$name"
done
