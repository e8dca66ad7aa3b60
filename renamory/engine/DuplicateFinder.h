#pragma once
// Finds whether a path list holds the same path twice, before anything is renamed.
#include "renamory/engine/PathList.h"

namespace renamory {

// True when two entries are equal, by exact, case-sensitive comparison of the whole path
// (C:\d\A.txt and C:\d\a.txt are not equal here). Takes time linear in the list size.
bool HasDuplicatePaths(const PathList& paths);

}  // namespace renamory
