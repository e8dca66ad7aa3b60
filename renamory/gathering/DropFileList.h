#pragma once
// Reads the paths of a CF_HDROP block (a DROPFILES header and a double-zero-terminated list
// of paths, wide or ANSI) in one pass.
//
// DragQueryFileW walks the list from its start for every index it is asked, so reading all
// paths of a 10,000-file drop through it is quadratic. This reader gives the same paths, in
// the same order, each cut to 259 characters as a 260-character DragQueryFileW buffer cuts
// it, and never reads past the block's end.
#include "framework/Win32.h"

#include <string>
#include <vector>

std::vector<std::wstring> ReadDropFileList(const void* block, size_t bytes);
