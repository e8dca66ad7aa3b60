#pragma once
// Checks of patterns and new paths before anything is renamed.
#include <string_view>
#include "renamory/engine/PathList.h"

namespace renamory {

// False when pattern holds one of the eight characters Windows refuses in a file name and
// that a pattern could plausibly contain: \ / : * < > | ?  (the double quote is allowed).
bool IsValidPattern(std::wstring_view pattern);

// True when name (without extension) is a reserved device name, ignoring letter case:
// COM1..COM9, LPT1..LPT9, CON, PRN, AUX, NUL. COM0, COM10, CON1 and CLOCK$ are not.
bool IsReservedName(std::wstring_view name);

// False when Windows would not store fileName (name and extension) as it is: "." and "..",
// and names ending in a dot or a space, which Windows silently trims ("x." is stored as
// "x"). Dots and spaces elsewhere are fine, so "  .txt" and "a. b.txt" are kept.
bool IsNameStoredAsIs(std::wstring_view fileName);

// False as soon as one entry's new name is a reserved device name, or its file name would
// not be stored as it is; true otherwise (also for an empty list).
bool CheckReservedNames(const PathList& paths);

}  // namespace renamory
