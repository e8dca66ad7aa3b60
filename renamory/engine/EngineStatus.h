#pragma once
// Status values of the rename engine, in the Windows status-code style. Callers test only
// zero against non-zero.
//
// winnt.h already defines STATUS_NO_MEMORY (0xC0000017) and STATUS_INVALID_PARAMETER
// (0xC000000D). The other two live in ntstatus.h, which clashes with winnt.h unless every
// translation unit includes windows.h under WIN32_NO_STATUS; so they are supplied here with
// the spelling ntstatus.h uses. winnt.h types its two as DWORD, so a comparison with one of
// them is best written against NTSTATUS(STATUS_NO_MEMORY) to keep the signedness equal.
#include <windows.h>
#include <winternl.h>

#ifndef STATUS_SUCCESS
#define STATUS_SUCCESS ((NTSTATUS)0x00000000)
#endif
#ifndef STATUS_UNSUCCESSFUL
#define STATUS_UNSUCCESSFUL ((NTSTATUS)0xC0000001)
#endif

namespace renamory {

// Every path, name and pattern the engine handles fits a 260-unit buffer: at most 259
// UTF-16 units plus the terminating zero (MAX_PATH).
inline constexpr size_t kPathBufferUnits = 260;
inline constexpr size_t kMaxPathChars = kPathBufferUnits - 1;

}  // namespace renamory
