# Sourced: picks the Wine loader. wine32 needs a kernel that runs 32-bit code; where it does
# not, 64-bit programs run under wine64 directly.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  WINE=wine
else
  WINE=/usr/lib/wine/wine64
  WINELOADER=$WINE
  export WINELOADER
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
