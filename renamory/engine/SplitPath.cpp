#include "renamory/engine/SplitPath.h"
#include <cwchar>

namespace renamory {

namespace {
void CopyOut(wchar_t* target, const wchar_t* from, size_t count) {
    std::wmemcpy(target, from, count);
    target[count] = L'\0';
}
}  // namespace

NTSTATUS SplitPath(const wchar_t* path, wchar_t* name, wchar_t* folder, wchar_t* extension) {
    if (!path || !name || !folder || !extension) {
        return STATUS_INVALID_PARAMETER;
    }
    // Every output is a 260-unit buffer, so a longer path could not be split safely.
    const size_t length = wcsnlen(path, kPathBufferUnits);
    if (length > kMaxPathChars) {
        return STATUS_INVALID_PARAMETER;
    }

    size_t folderEnd = length;  // the folder is path[0, folderEnd)
    size_t dot = length;        // the extension starts here; length means "no dot"
    for (size_t i = length; i-- > 0;) {
        if (path[i] == L'\\') {
            folderEnd = i + 1;
            CopyOut(name, path + folderEnd, dot - folderEnd);
            CopyOut(extension, path + dot, length - dot);
            CopyOut(folder, path, folderEnd);
            return STATUS_SUCCESS;
        }
        if (path[i] == L'.' && dot == length) {
            dot = i;
        }
    }
    // No backslash at all: the whole string counts as folder, without its last dot's part.
    CopyOut(folder, path, dot);
    return STATUS_SUCCESS;
}

}  // namespace renamory
