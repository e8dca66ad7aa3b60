#!/bin/sh
# Runs a Windows program under Wine in the build's own prefix.
# Used as CMAKE_CROSSCOMPILING_EMULATOR: the prefix is made once (under a lock, safe with
# ctest -j), and a persistent wineserver is started detached from ctest's pipes; plain
# `wine` would make ctest wait for the server of every test, or hang.
#   WINEPREFIX          prefix to use (the Makefile points it into the build folder)
#   WINE_GRAPHICS=null  use Wine's null display driver (no X needed; the test default)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
: "${WINEPREFIX:=$(pwd)/wineprefix}"
export WINEPREFIX
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  # The lock descriptor must not leak into wineserver, and Wine's services must not inherit
  # ctest's pipes: hence 9>&- and the redirections of this whole block.
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    # A set-up cut short (killed, failed) leaves no mark and is done again next time.
    sh "$here/prefix-setup.sh" 9>&- && touch "$WINEPREFIX/.ready"
  fi
  if wineserver -p 9>&-; then
    $WINE cmd /c exit 0 9>&-
  fi
) 9>"$WINEPREFIX.lock" </dev/null >/dev/null 2>&1
exec $WINE "$@"
