#include "renamory/engine/PatternEngine.h"
#include <cwchar>
#include <new>
#include <vector>
#include "renamory/engine/PatternExpansion.h"
#include "renamory/engine/SplitPath.h"

namespace renamory {

namespace {

NTSTATUS WriteNewNames(const PatternExpansion& expansion, PathList& newNames) {
    newNames.Reserve(expansion.FileCount());
    for (size_t i = 0; i < expansion.FileCount(); ++i) {
        wchar_t name[kPathBufferUnits];
        const size_t length = expansion.WriteName(i, name);
        if (NTSTATUS status = newNames.Append({name, length}); status != STATUS_SUCCESS) {
            newNames.Clear();
            return status;
        }
    }
    return STATUS_SUCCESS;
}

}  // namespace

NTSTATUS ExpandPattern(const PathList& names, PathList& newNames, std::wstring_view pattern,
                       EngineClock& clock) {
    if (!newNames.IsEmpty() || pattern.size() > kMaxPathChars) {
        return STATUS_INVALID_PARAMETER;
    }
    try {
        std::vector<NameSpan> spans;
        spans.reserve(names.Size());
        for (std::wstring_view name : names) {
            spans.push_back({0, static_cast<uint16_t>(name.size())});
        }
        PatternExpansion expansion;
        if (NTSTATUS status = expansion.Expand(names, spans, pattern, clock);
            status != STATUS_SUCCESS) {
            return status;
        }
        return WriteNewNames(expansion, newNames);
    } catch (const std::bad_alloc&) {
        newNames.Clear();
        return STATUS_NO_MEMORY;
    }
}

NTSTATUS BuildNewPaths(const PathList& currentPaths, PathList& newPaths,
                       std::wstring_view pattern, EngineClock& clock) {
    if (!newPaths.IsEmpty() || pattern.empty() || pattern.size() > kMaxPathChars) {
        return STATUS_INVALID_PARAMETER;
    }
    const size_t fileCount = currentPaths.Size();
    try {
        // folder + name + extension is the path, so the name's span also gives the folder
        // (everything before it) and where the extension starts.
        std::vector<NameSpan> names;
        std::vector<uint16_t> extensionLengths;
        names.reserve(fileCount);
        extensionLengths.reserve(fileCount);
        for (std::wstring_view path : currentPaths) {
            const PathSplit split = SplitPathParts(path);
            // Without a folder, the new path would be relative and MoveFileW would resolve
            // it against the current directory.
            if (!split.hasBackslash) {
                return STATUS_INVALID_PARAMETER;
            }
            names.push_back({static_cast<uint16_t>(split.folderLength),
                             static_cast<uint16_t>(split.nameLength)});
            extensionLengths.push_back(static_cast<uint16_t>(split.extensionLength));
        }

        PatternExpansion expansion;
        if (NTSTATUS status = expansion.Expand(currentPaths, names, pattern, clock);
            status != STATUS_SUCCESS) {
            return status;
        }

        // Every new full path must fit a MAX_PATH buffer. One that does not fails the whole
        // build: a shorter list would leave later current paths without a partner.
        for (size_t i = 0; i < fileCount; ++i) {
            if (names[i].start + expansion.NameLength(i) + extensionLengths[i] + 1 >
                kPathBufferUnits) {
                return STATUS_UNSUCCESSFUL;
            }
        }

        newPaths.Reserve(fileCount);
        for (size_t i = 0; i < fileCount; ++i) {
            const std::wstring_view path = currentPaths[i];
            const size_t folderLength = names[i].start;
            const size_t extensionStart = names[i].start + names[i].length;
            wchar_t joined[kPathBufferUnits];
            std::wmemcpy(joined, path.data(), folderLength);
            size_t length = folderLength;
            length += expansion.WriteName(i, joined + length);
            std::wmemcpy(joined + length, path.data() + extensionStart, extensionLengths[i]);
            length += extensionLengths[i];
            if (NTSTATUS status = newPaths.Append({joined, length}); status != STATUS_SUCCESS) {
                newPaths.Clear();
                return status;
            }
        }
        return STATUS_SUCCESS;
    } catch (const std::bad_alloc&) {
        newPaths.Clear();
        return STATUS_NO_MEMORY;
    }
}

}  // namespace renamory
