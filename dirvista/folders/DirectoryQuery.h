#pragma once
// One batch of a directory listing through the native directory query, which returns many
// entries per system call (FindFirstFile/FindNextFile return one entry at a time to the
// caller and re-copy each into a WIN32_FIND_DATA).
#include "framework/Win32.h"

#include <cstddef>
#include <string_view>

namespace dirvista {

// The size of one batch: the query fills at most this many bytes per call.
inline constexpr ULONG kDirectoryBatchBytes = 16384;

// FILE_DIRECTORY_INFORMATION, the layout of information class 1 (FileDirectoryInformation).
// Declared here because the SDK's winternl.h does not declare it on every compiler.
struct DirectoryEntry {
    ULONG NextEntryOffset;  // 0 for the last entry of a batch
    ULONG FileIndex;
    LARGE_INTEGER CreationTime;
    LARGE_INTEGER LastAccessTime;
    LARGE_INTEGER LastWriteTime;
    LARGE_INTEGER ChangeTime;
    LARGE_INTEGER EndOfFile;  // the logical size
    LARGE_INTEGER AllocationSize;
    ULONG FileAttributes;
    ULONG FileNameLength;  // in bytes, without a terminating zero
    WCHAR FileName[1];

    std::wstring_view Name() const { return {FileName, FileNameLength / sizeof(WCHAR)}; }
    bool IsDirectory() const { return (FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsReparsePoint() const { return (FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
    ULONGLONG LogicalSize() const { return static_cast<ULONGLONG>(EndOfFile.QuadPart); }
    // "." and ".." name the folder itself and its parent; they are never entries to count.
    bool IsSelfOrParent() const {
        const std::wstring_view name = Name();
        return name == L"." || name == L"..";
    }
};
inline constexpr size_t kDirectoryEntryHeaderBytes = offsetof(DirectoryEntry, FileName);
static_assert(kDirectoryEntryHeaderBytes == 64, "FILE_DIRECTORY_INFORMATION layout");

// Fills `batch` (kDirectoryBatchBytes bytes, 8-byte aligned) with the next entries of the
// open directory. Successive calls on one handle return successive batches, from the first
// entry on the first call. False when there are no more entries, when the query fails, or
// when the query function cannot be found.
bool QueryDirectory(HANDLE directory, void* batch);

// Opens the subdirectory `name` of an open directory for listing, with the access and
// sharing of a walk (read; others may only read meanwhile), following a reparse point as a
// path open would. Opening by name below a handle costs the same at any depth and leaves
// the name as listed, where a full path would be parsed again for every level.
// INVALID_HANDLE_VALUE on failure.
HANDLE OpenChildDirectory(HANDLE parent, std::wstring_view name);

}  // namespace dirvista
