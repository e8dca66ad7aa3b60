#pragma once
// The rename worker moves files through this seam, so that tests can make a rename fail or
// hold the worker at a given file, and benchmarks can measure the run without touching disk.
// The function has MoveFileW's contract: nonzero on success, else the error is in
// GetLastError. It is called on the worker thread.
#include <windows.h>

#include <functional>

namespace renamory {

using MoveFileFunction = std::function<BOOL(const wchar_t* existing, const wchar_t* target)>;

// MoveFileW, or the installed function.
BOOL MoveFileThroughSeam(const wchar_t* existing, const wchar_t* target);

// Installs move for every later call and returns the previous one; an empty function
// restores MoveFileW. Install only while no rename runs.
MoveFileFunction SetMoveFileFunction(MoveFileFunction move);

}  // namespace renamory
