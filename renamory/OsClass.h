#pragma once
// The batch renamer's classification of the running Windows version (classes 0 to 7);
// class 3 (Vista workstation) gets the suite's own Add Files and Folders dialog.
#include "framework/Win32.h"

#include <optional>

enum OsClass : BYTE {
    kOsOther = 0,
    kOsWindows2000 = 1,
    kOsWindowsXP = 2,
    kOsWindowsVista = 3,
    kOsWindowsServer2008 = 4,
    kOsWindowsXPx64 = 5,
    kOsWindowsServer2003 = 6,
    kOsWindowsNT4 = 7,
};

// What the classification reads of the system; tests supply their own.
struct OsVersionFacts {
    std::optional<OSVERSIONINFOEXW> version;  // empty when GetVersionExW failed twice
    WORD processorArchitecture = PROCESSOR_ARCHITECTURE_INTEL;
    int serverR2 = 0;  // GetSystemMetrics(SM_SERVERR2)
};

OsVersionFacts ReadOsVersionFacts();
BYTE ClassifyOs(const OsVersionFacts& facts);
BYTE GetOsClass();
