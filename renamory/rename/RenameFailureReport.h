#pragma once
// The text that tells the user which renames of a run failed.
#include <windows.h>

#include <string>

namespace renamory {

class RenameJob;

// "Some items could not be renamed:", then one line "<current path>: <system error text>"
// for each of the first ten failures, then "and N more" for the rest. Empty when nothing
// failed.
std::wstring FormatRenameFailures(const RenameJob& job);

// The system's text for a Win32 error code, without its trailing line break.
std::wstring SystemErrorText(DWORD error);

}  // namespace renamory
