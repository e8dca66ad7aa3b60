#include "dirvista/folders/DirectoryQuery.h"

namespace dirvista {

namespace {

struct IoStatusBlock {
    union {
        LONG Status;
        PVOID Pointer;
    };
    ULONG_PTR Information;
};

using NtQueryDirectoryFileFn = LONG(NTAPI*)(HANDLE file, HANDLE event, PVOID apcRoutine,
                                            PVOID apcContext, IoStatusBlock* ioStatus,
                                            PVOID buffer, ULONG length, int informationClass,
                                            BOOLEAN returnSingleEntry, PVOID fileName,
                                            BOOLEAN restartScan);

struct CountedString {  // UNICODE_STRING
    USHORT Length;
    USHORT MaximumLength;
    PWSTR Buffer;
};

struct ObjectAttributes {  // OBJECT_ATTRIBUTES
    ULONG Length;
    HANDLE RootDirectory;
    CountedString* ObjectName;
    ULONG Attributes;
    PVOID SecurityDescriptor;
    PVOID SecurityQualityOfService;
};

using NtOpenFileFn = LONG(NTAPI*)(HANDLE* file, ACCESS_MASK access, ObjectAttributes* attributes,
                                  IoStatusBlock* ioStatus, ULONG shareAccess, ULONG openOptions);

constexpr int kFileDirectoryInformation = 1;
constexpr ULONG kObjCaseInsensitive = 0x40;
constexpr ULONG kFileDirectoryFile = 0x1;
constexpr ULONG kFileSynchronousIoNonalert = 0x20;
constexpr ULONG kFileOpenForBackupIntent = 0x4000;

// Resolved once and kept: ntdll is never unloaded, and loading a library on a thread that
// has turned WoW64 file-system redirection off (as the walks do) is documented to fail.
struct NativeFunctions {
    NtQueryDirectoryFileFn queryDirectory = nullptr;
    NtOpenFileFn openFile = nullptr;
};

NativeFunctions Resolve() {
    NativeFunctions functions;
    if (HMODULE ntdll = ::LoadLibraryW(L"ntdll.dll")) {
        functions.queryDirectory =
            reinterpret_cast<NtQueryDirectoryFileFn>(::GetProcAddress(ntdll, "NtQueryDirectoryFile"));
        functions.openFile = reinterpret_cast<NtOpenFileFn>(::GetProcAddress(ntdll, "NtOpenFile"));
    }
    return functions;
}

const NativeFunctions& Native() {
    static const NativeFunctions functions = Resolve();
    return functions;
}

// Resolve before any walk can turn redirection off on its thread.
[[maybe_unused]] const NativeFunctions& g_resolvedAtStart = Native();

}  // namespace

bool QueryDirectory(HANDLE directory, void* batch) {
    const NtQueryDirectoryFileFn query = Native().queryDirectory;
    if (!query) return false;
    IoStatusBlock ioStatus{};
    const LONG status = query(directory, nullptr, nullptr, nullptr, &ioStatus, batch,
                              kDirectoryBatchBytes, kFileDirectoryInformation, FALSE, nullptr, FALSE);
    return status == 0;
}

HANDLE OpenChildDirectory(HANDLE parent, std::wstring_view name) {
    const NtOpenFileFn openFile = Native().openFile;
    if (!openFile || name.empty() || name.size() * sizeof(WCHAR) > 0xFFFE) return INVALID_HANDLE_VALUE;
    CountedString objectName{static_cast<USHORT>(name.size() * sizeof(WCHAR)),
                             static_cast<USHORT>(name.size() * sizeof(WCHAR)),
                             const_cast<PWSTR>(name.data())};
    ObjectAttributes attributes{sizeof(ObjectAttributes), parent, &objectName, kObjCaseInsensitive,
                                nullptr, nullptr};
    IoStatusBlock ioStatus{};
    HANDLE child = nullptr;
    const LONG status = openFile(&child, GENERIC_READ | SYNCHRONIZE, &attributes, &ioStatus,
                                 FILE_SHARE_READ,
                                 kFileDirectoryFile | kFileSynchronousIoNonalert | kFileOpenForBackupIntent);
    return status == 0 && child ? child : INVALID_HANDLE_VALUE;
}

}  // namespace dirvista
