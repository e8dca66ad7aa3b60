#pragma once
// The rows of the batch renamer's file list: column 0 "Current Names" holds a file's full
// path, column 1 "Modified Names" the new full path of the last Preview or nothing. Rows are
// known by their position and their column 0 text.
#include "framework/Controls.h"
#include "renamory/engine/PathList.h"

#include <string>
#include <vector>

namespace renamory {

class RenameJob;

inline constexpr int kCurrentNameColumn = 0;
inline constexpr int kModifiedNameColumn = 1;

// A cell's text as a 260-unit buffer holds it: at most 259 characters.
std::wstring ReadCell(const fw::CListCtrl& list, int row, int column);

// Adds each non-empty path not yet shown in column 0 (exact, case-sensitive) as a new row at
// the top, so the paths of one call end up in reverse order above the old rows. A path seen
// again, among the rows or earlier in paths, counts as one duplicate. Paths longer than 259
// characters could never be renamed and are left out. Returns the number of duplicates.
size_t AddPathsAtTop(const fw::CListCtrl& list, const std::vector<std::wstring>& paths);

// Appends the column 0 text of every row, from the top, to paths.
NTSTATUS AppendCurrentNames(const fw::CListCtrl& list, PathList& paths);

// Writes newPaths[i] into column 1 of row i.
void FillModifiedNames(const fw::CListCtrl& list, const PathList& newPaths);

// Empties column 1 of every row.
void ClearModifiedNames(const fw::CListCtrl& list);

// After a run, gives every row the path its file really has: a row whose file was renamed
// shows the new path, any other row (a failed rename, a file the run did not reach, a row
// added while it ran) keeps its text and place. Column 1 of every row is emptied.
void ApplyRenameOutcome(const fw::CListCtrl& list, const RenameJob& job);

}  // namespace renamory
