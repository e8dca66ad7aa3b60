#!/bin/sh
# Installs what the build, the tests and `make run` need on Debian 12; does nothing when all
# of it is there already. Runs as root (or through sudo when available).
set -e
SUDO=""
[ "$(id -u)" = 0 ] || SUDO="sudo"
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
pkgs="mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 cmake make
      wine wine32:i386 wine64 xvfb xauth fonts-wine googletest imagemagick fp-utils-3.2.2 zip unzip clang"
for p in $pkgs; do have "$p" || need="$need $p"; done
[ -z "$need" ] && exit 0
echo "bootstrap: installing$need"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $need
