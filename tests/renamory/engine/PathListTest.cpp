#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "renamory/engine/PathList.h"
#include "tests/renamory/engine/PathListHelpers.h"

namespace renamory::test {
namespace {

TEST(PathList, KeepsOrderAndRefusesEntriesPastMaxPath) {
    PathList list;
    EXPECT_EQ(STATUS_SUCCESS, list.Append(L"C:\\b"));
    EXPECT_EQ(STATUS_SUCCESS, list.Append(L"C:\\a"));
    EXPECT_EQ(STATUS_SUCCESS, list.Append(std::wstring(259, L'x')));
    EXPECT_EQ(STATUS_UNSUCCESSFUL, list.Append(std::wstring(260, L'x')));
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), list.Append(std::wstring_view(L"C:\\a\0b", 6)));
    ASSERT_EQ(3u, list.Size());
    EXPECT_EQ(L"C:\\b", list[0]);
    EXPECT_EQ(L"C:\\a", list[1]);
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(STATUS_SUCCESS, list.Append(L"C:\\after"));
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\after"}), Entries(list));
}

TEST(PathList, EntriesAreZeroTerminatedForWin32Calls) {
    // Enough entries to fill several storage blocks, of every length up to the limit.
    PathList list;
    std::vector<std::wstring> expected;
    for (size_t i = 0; i < 2000; ++i) {
        expected.push_back(std::wstring(i % 260, static_cast<wchar_t>(L'a' + i % 26)));
        ASSERT_EQ(STATUS_SUCCESS, list.Append(expected.back()));
    }
    ASSERT_EQ(expected.size(), list.Size());
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(expected[i], list[i]) << i;
        ASSERT_EQ(expected[i], std::wstring(list.CStr(i))) << i;
    }
    EXPECT_EQ(expected, Entries(list));
}

TEST(PathList, MovesWithItsEntries) {
    PathList list = MakePathList({L"C:\a", L"C:\b"});
    const wchar_t* first = list.CStr(0);
    PathList moved = std::move(list);
    EXPECT_EQ(first, moved.CStr(0));
    EXPECT_EQ((std::vector<std::wstring>{L"C:\a", L"C:\b"}), Entries(moved));
    EXPECT_EQ(STATUS_SUCCESS, moved.Append(L"C:\\c"));
    EXPECT_EQ(L"C:\\c", moved[2]);
}

TEST(PathList, RemoveFirstTakesOnlyTheFirstExactMatch) {
    PathList list = MakePathList({L"C:\\a", L"C:\\A", L"C:\\b", L"C:\\a"});
    EXPECT_TRUE(list.RemoveFirst(L"C:\\a"));
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\A", L"C:\\b", L"C:\\a"}), Entries(list));
    EXPECT_FALSE(list.RemoveFirst(L"c:\\B"));
    EXPECT_EQ(3u, list.Size());
    EXPECT_TRUE(list.RemoveFirst(L"C:\\a"));
    EXPECT_TRUE(list.RemoveFirst(L"C:\\A"));
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\b"}, Entries(list));
}

}  // namespace
}  // namespace renamory::test
