#pragma once
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>
#include "renamory/engine/PathList.h"

namespace renamory::test {

inline PathList MakePathList(const std::vector<std::wstring>& paths) {
    PathList list;
    for (const std::wstring& path : paths) {
        EXPECT_EQ(STATUS_SUCCESS, list.Append(path)) << "path of " << path.size() << " units";
    }
    return list;
}

inline std::vector<std::wstring> Entries(const PathList& list) {
    std::vector<std::wstring> entries;
    for (std::wstring_view entry : list) {
        entries.emplace_back(entry);
    }
    return entries;
}

}  // namespace renamory::test

namespace renamory::test {

// An ASCII rendering of test text, for parameter names that ctest can show. The brackets
// keep leading and trailing spaces visible.
inline std::string Narrow(std::wstring_view text) {
    std::string out = "[";
    for (wchar_t c : text) {
        out += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
    }
    return out + "]";
}

}  // namespace renamory::test
