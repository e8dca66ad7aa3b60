#pragma once
// The name pattern language of the batch renamer. A pattern is literal text with five
// tokens, each spelled either all upper case or all lower case (any other spelling, such
// as [Name], is literal text):
//   [NAME]  [name]   the file's current name, without folder and extension
//   [COUNT] [count]  the file's 1-based position in the list, in decimal
//   [RAND]  [rand]   a pseudo-random number from 0 to 9999
//   [DATE]  [date]   the local date as day.month.year, without padding (9.12.2008)
//   [TIME]  [time]   the local time as hour.minute.second, without padding (14.5.9)
// Only the name is replaced: folder and extension of each path are kept.
//
// Pieces (literal runs and tokens) are appended to every file's new name, one piece across
// all files before the next piece. So every [COUNT] counts again from 1, every [RAND]
// reseeds the generator with the calendar time (two [RAND] within one second give each file
// the same number twice), and every [DATE] or [TIME] reads the clock once for all files.
//
// No function here shows any window; failures come back as status values.
#include <string_view>
#include "renamory/engine/EngineClock.h"
#include "renamory/engine/EngineStatus.h"
#include "renamory/engine/PathList.h"

namespace renamory {

// Builds one new name (without folder and extension) per entry of names into newNames, in
// the same order. newNames must be empty on entry. An empty pattern builds nothing.
// On any failure newNames is left empty.
//   STATUS_UNSUCCESSFUL       appending a piece would bring a new name to 259 units or more
//   STATUS_INVALID_PARAMETER  newNames not empty, or pattern longer than 259 units
//   STATUS_NO_MEMORY          out of memory
[[nodiscard]] NTSTATUS ExpandPattern(const PathList& names, PathList& newNames,
                                     std::wstring_view pattern,
                                     EngineClock& clock = CurrentEngineClock());

// Builds the new full path of every entry of currentPaths (full paths, each with at least
// one backslash) into newPaths, in the same order: folder + expanded pattern + extension.
// newPaths must be empty on entry; on any failure it is left empty.
//   STATUS_UNSUCCESSFUL       a new name would pass 258 units, or a new full path would pass
//                             259 units (callers report "New file name too large")
//   STATUS_INVALID_PARAMETER  newPaths not empty, the pattern empty or longer than 259
//                             units, or a current path without any backslash
//   STATUS_NO_MEMORY          out of memory
[[nodiscard]] NTSTATUS BuildNewPaths(const PathList& currentPaths, PathList& newPaths,
                                     std::wstring_view pattern,
                                     EngineClock& clock = CurrentEngineClock());

}  // namespace renamory
