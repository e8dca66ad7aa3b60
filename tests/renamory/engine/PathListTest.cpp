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
    ASSERT_EQ(3u, list.Size());
    EXPECT_EQ(L"C:\\b", list[0]);
    EXPECT_EQ(L"C:\\a", list[1]);
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(PathList, ExtendStopsAtMaxPath) {
    PathList list = MakePathList({std::wstring(250, L'x')});
    EXPECT_EQ(STATUS_SUCCESS, list.Extend(0, L"123456789"));
    EXPECT_EQ(259u, list[0].size());
    EXPECT_EQ(STATUS_UNSUCCESSFUL, list.Extend(0, L"1"));
    EXPECT_EQ(259u, list[0].size());
    EXPECT_EQ(STATUS_INVALID_PARAMETER, list.Extend(1, L"1"));
}

TEST(PathList, RemoveFirstTakesOnlyTheFirstExactMatch) {
    PathList list = MakePathList({L"C:\\a", L"C:\\A", L"C:\\b", L"C:\\a"});
    EXPECT_TRUE(list.RemoveFirst(L"C:\\a"));
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\A", L"C:\\b", L"C:\\a"}), Entries(list));
    EXPECT_FALSE(list.RemoveFirst(L"c:\\B"));
    EXPECT_EQ(3u, list.Size());
}

}  // namespace
}  // namespace renamory::test
