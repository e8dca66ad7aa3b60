#pragma once
// Splits a full path into folder, name and extension.
#include <string_view>
#include "renamory/engine/EngineStatus.h"

namespace renamory {

// Scanning from the end, the last dot of the final component starts the extension (dot
// included) and the last backslash ends the folder (backslash included), so
// folder + name + extension == path:
//   C:\a\report.final.docx  ->  "C:\a\"  "report.final"  ".docx"
//   C:\a\.profile           ->  "C:\a\"  ""              ".profile"
//   C:\a\file.              ->  "C:\a\"  "file"          "."
//   C:\my.dir\README        ->  "C:\my.dir\"  "README"   ""
// A path without any backslash has only a folder: the path cut at its last dot.

// Where the parts lie: the folder is the first folderLength units, the name the next
// nameLength, the extension the extensionLength after it.
struct PathSplit {
    size_t folderLength = 0;
    size_t nameLength = 0;
    size_t extensionLength = 0;
    bool hasBackslash = false;
};

PathSplit SplitPathParts(std::wstring_view path);

// The same split into caller buffers. path is zero-terminated; name, folder and extension
// are buffers of kPathBufferUnits (260) units each. A path without any backslash writes
// only folder and leaves name and extension untouched; the empty path gives an empty
// folder. Returns STATUS_INVALID_PARAMETER when an argument is null or path is longer than
// 259 units.
[[nodiscard]] NTSTATUS SplitPath(const wchar_t* path, wchar_t* name, wchar_t* folder,
                                 wchar_t* extension);

}  // namespace renamory
