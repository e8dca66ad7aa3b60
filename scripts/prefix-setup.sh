#!/bin/sh
# One-time set-up of a Wine prefix for the tests and runs (WINEPREFIX must be set).
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
$WINE wineboot -i || exit 1
# Wine's own Tahoma and Marlett: otherwise "MS Shell Dlg" falls back to another face.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
# A crashing program prints a backtrace and exits instead of opening a dialog and hanging.
$WINE reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
if [ "${WINE_GRAPHICS:-}" = null ]; then
  $WINE reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
fi
# Drive letters for file-system tests (R: to V:): each maps to a folder that the tests fill
# themselves. Mapped before the server starts again, so that GetLogicalDrives lists them.
drives="$WINEPREFIX/../test-drives"
for d in r s t u v; do
  mkdir -p "$drives/$d"
  ln -sfn "$(cd "$drives/$d" && pwd)" "$WINEPREFIX/dosdevices/$d:"
done
wineserver -w
