# 64-bit Windows: the same sources, for running the tests under wine64 on machines whose
# kernel cannot execute 32-bit code (no IA-32 emulation, so wine32 cannot start).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
