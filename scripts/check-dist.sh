#!/bin/sh
# Checks the portable zip: exactly the expected files, and programs that are 32-bit Windows
# GUI executables importing nothing but DLLs every Windows has (no MinGW run-time DLLs).
#   check-dist.sh <zip>     exit 0 when sound, 1 with the reasons otherwise
zip=$1
fail=0
bad() { echo "check-dist: $*" >&2; fail=1; }
[ -f "$zip" ] || { echo "check-dist: $zip missing (make dist)" >&2; exit 1; }

expected="Dirvista.exe
LICENSE.txt
Orvana Clarimo User Guide.chm
README.txt
Renamory.exe"
listed=$(unzip -Z1 "$zip" | LC_ALL=C sort)
[ "$listed" = "$expected" ] || bad "zip holds
$listed
expected
$expected"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work" || bad "cannot unpack $zip"

# DLLs that come with every Windows from 7 on; anything else would have to be shipped.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll ole32.dll oleaut32.dll
  shell32.dll shlwapi.dll version.dll advapi32.dll msvcrt.dll ntdll.dll uxtheme.dll psapi.dll "
for exe in Dirvista.exe Renamory.exe; do
  [ -f "$work/$exe" ] || continue
  dump=$(i686-w64-mingw32-objdump -p "$work/$exe") || { bad "$exe: objdump failed"; continue; }
  echo "$dump" | grep -q "file format pei-i386" || bad "$exe is not a PE32 (i386) executable"
  echo "$dump" | grep -q "^Subsystem.*Windows GUI" || bad "$exe is not a Windows GUI program"
  dlls=$(echo "$dump" | sed -n 's/^[[:space:]]*DLL Name: *//p' | tr 'A-Z' 'a-z' | tr -d '\r')
  [ -n "$dlls" ] || bad "$exe: no imports found"
  for dll in $dlls; do
    case "$system_dlls" in
      *" $dll "*) ;;
      *) bad "$exe imports $dll, which is not a system DLL" ;;
    esac
  done
done
[ -s "$work/Orvana Clarimo User Guide.chm" ] && [ "$(head -c 4 "$work/Orvana Clarimo User Guide.chm")" = ITSF ] ||
  bad "the user guide is not a compiled help file"
[ $fail = 0 ] && echo "check-dist: $(basename "$zip") ok"
exit $fail
