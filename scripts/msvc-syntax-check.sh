#!/bin/sh
# Compile-only check of the programs' sources as an MSVC compiler sees them: clang in MSVC
# mode (_MSC_VER defined, Microsoft ABI and language rules), strictly standard C++20, so
# that GCC-only constructs fail here rather than on a Windows developer's machine.
# Windows and C++ library headers are mingw-w64's (Debian has no MSVC headers); they need
# __GNUC__ and _X86_ to pick their declarations, and they look for __declspec as a macro
# (a keyword in MSVC mode), so it is also defined as itself.
#   msvc-syntax-check.sh [source files...]   (default: every program source)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
cd "$root"
clang=$(command -v clang++) || { echo "msvc-syntax-check: clang++ missing" >&2; exit 1; }
resource=$($clang -print-resource-dir)
gcc=$(ls -d /usr/lib/gcc/i686-w64-mingw32/*-posix 2>/dev/null | tail -n 1)
[ -n "$gcc" ] || { echo "msvc-syntax-check: mingw-w64 g++ headers missing" >&2; exit 1; }
set -- ${@:-$(find framework skin shared dirvista renamory -name '*.cpp' | LC_ALL=C sort)}
failed=0
for src in "$@"; do
  if ! $clang --target=i686-pc-windows-msvc -fms-compatibility -fms-compatibility-version=19.30 \
      -fgnuc-version=12 -fsyntax-only -std=c++20 -pedantic-errors -Wno-unknown-pragmas \
      -nostdinc -isystem "$gcc/include/c++" -isystem "$gcc/include/c++/i686-w64-mingw32" \
      -isystem "$gcc/include/c++/backward" -isystem "$resource/include" \
      -isystem /usr/i686-w64-mingw32/include \
      -D_X86_ "-D__declspec(x)=__declspec(x)" -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 \
      -I. "$src"; then
    echo "msvc-syntax-check: $src fails" >&2
    failed=1
  fi
done
[ $failed = 0 ] && echo "msvc-syntax-check: $# files ok"
exit $failed
