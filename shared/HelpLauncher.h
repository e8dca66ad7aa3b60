#pragma once
// F1 in both programs: opens the suite's user guide under a suite-wide lock, so that two
// requests made at the same moment open it only once.
#include "framework/Win32.h"

#include <functional>

inline constexpr wchar_t kHelpLockName[] = L"qmx_helpinfo";
inline constexpr wchar_t kHelpFileName[] = L"Orvana Clarimo User Guide.chm";

// Returns true when it launched the guide, false when another launch holds the lock.
BOOL LaunchUserGuide();

// The shell launch itself (ShellExecuteW "open" on the file name); tests replace it.
using ShellOpenFunction = std::function<void(const wchar_t* file)>;
ShellOpenFunction SetShellOpenFunction(ShellOpenFunction open);
