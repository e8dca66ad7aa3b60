#pragma once
// Splits a full path into folder, name and extension.
#include "renamory/engine/EngineStatus.h"

namespace renamory {

// path is zero-terminated; name, folder and extension are caller buffers of kPathBufferUnits
// (260) units each. Scanning from the end, the last dot of the final component starts the
// extension (dot included) and the last backslash ends the folder (backslash included), so
// folder + name + extension == path:
//   C:\a\report.final.docx  ->  "C:\a\"  "report.final"  ".docx"
//   C:\a\.profile           ->  "C:\a\"  ""              ".profile"
//   C:\a\file.              ->  "C:\a\"  "file"          "."
//   C:\my.dir\README        ->  "C:\my.dir\"  "README"   ""
// A path without any backslash writes only folder (the path cut at its last dot) and leaves
// name and extension untouched; the empty path gives an empty folder.
// Returns STATUS_INVALID_PARAMETER when an argument is null or path is longer than 259 units.
[[nodiscard]] NTSTATUS SplitPath(const wchar_t* path, wchar_t* name, wchar_t* folder,
                                 wchar_t* extension);

}  // namespace renamory
