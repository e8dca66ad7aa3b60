#pragma once
// The record behind one row of the subfolder list: what the list's sort compares.
#include "framework/Win32.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace dirvista {

struct FolderRow {
    FolderRow(std::wstring_view path, ULONGLONG bytes);

    // Kilobytes as the size column shows them: bytes shifted right by 10, remainder dropped.
    static ULONGLONG KilobytesOf(ULONGLONG bytes) { return bytes >> 10; }

    // The subfolder's path, exactly as the row's first column shows it (zero-terminated).
    std::unique_ptr<wchar_t[]> m_pszPath;
    // The size in kilobytes, low 32 bits: a folder of 4 TiB or more wraps here while the
    // column still shows the full value.
    std::uint32_t m_sizeKB = 0;
};

// The list's sort direction, shared by both columns and flipped by every header click
// (false: ascending).
inline bool g_sortDescending = false;

// LVM_SORTITEMS comparison of two rows' FolderRow item data. Column 0 compares the paths
// ignoring case. Column 1 compares the sizes and answers only 1 ("after") or 0, never
// "before"; the list's merge sort needs no more to order the rows.
int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM column);

}  // namespace dirvista
