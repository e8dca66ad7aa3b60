#include "renamory/engine/SplitPath.h"
#include <cwchar>

namespace renamory {

namespace {
void CopyOut(wchar_t* target, const wchar_t* from, size_t count) {
    std::wmemcpy(target, from, count);
    target[count] = L'\0';
}
}  // namespace

PathSplit SplitPathParts(std::wstring_view path) {
    size_t dot = path.size();  // the extension starts here; path.size() means "no dot"
    for (size_t i = path.size(); i-- > 0;) {
        if (path[i] == L'\\') {
            const size_t folderLength = i + 1;
            return {folderLength, dot - folderLength, path.size() - dot, true};
        }
        if (path[i] == L'.' && dot == path.size()) {
            dot = i;
        }
    }
    // No backslash at all: the whole string counts as folder, without its last dot's part.
    return {dot, 0, 0, false};
}

NTSTATUS SplitPath(const wchar_t* path, wchar_t* name, wchar_t* folder, wchar_t* extension) {
    if (!path || !name || !folder || !extension) {
        return STATUS_INVALID_PARAMETER;
    }
    // Every output is a 260-unit buffer, so a longer path could not be split safely.
    const size_t length = wcsnlen(path, kPathBufferUnits);
    if (length > kMaxPathChars) {
        return STATUS_INVALID_PARAMETER;
    }
    const PathSplit split = SplitPathParts({path, length});
    CopyOut(folder, path, split.folderLength);
    if (split.hasBackslash) {
        CopyOut(name, path + split.folderLength, split.nameLength);
        CopyOut(extension, path + split.folderLength + split.nameLength, split.extensionLength);
    }
    return STATUS_SUCCESS;
}

}  // namespace renamory
