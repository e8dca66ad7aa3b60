#pragma once
// The size of a folder: the sum of the logical sizes (end of file) of all files below it,
// at any depth. Hidden and system entries count like any other; a reparse point to a
// directory is entered like a directory. Whatever cannot be read counts 0 bytes.
//
// The walk keeps its state per level on the heap, not in recursion, so nesting depth is
// bounded only by the longest path (kMaxFolderPathLength) and not by the thread's stack.
// The folder itself is opened by its path (MakeOpenPath); each subdirectory by its name
// below its parent's open handle, which costs the same at any depth. The full path of each
// entry is still formed: entries whose path would exceed kMaxFolderPathLength count 0.
// A directory that is one of its own ancestors (reached back through a junction, a
// directory link or a mounted folder) counts 0, so a loop ends.
#include "framework/Controls.h"

namespace dirvista {

class FolderWalkControl;

// `progress` (may be null) is stepped once (PBM_STEPIT) per direct subdirectory of
// `folderPath`, after that subdirectory is measured. `control` (may be null) can stop it.
ULONGLONG MeasureFolderSize(const wchar_t* folderPath, const fw::CProgressCtrl* progress,
                            FolderWalkControl* control = nullptr);

}  // namespace dirvista
