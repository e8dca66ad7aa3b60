#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "renamory/engine/DuplicateFinder.h"
#include "tests/renamory/engine/PathListHelpers.h"

namespace renamory::test {
namespace {

TEST(HasDuplicatePaths, FindsExactEqualPairsOnly) {
    EXPECT_FALSE(HasDuplicatePaths(MakePathList({})));
    EXPECT_FALSE(HasDuplicatePaths(MakePathList({L"C:\\d\\x.txt"})));
    EXPECT_TRUE(HasDuplicatePaths(MakePathList({L"C:\\d\\x.txt", L"C:\\d\\y.txt", L"C:\\d\\x.txt"})));
    EXPECT_TRUE(HasDuplicatePaths(MakePathList({L"C:\\a", L"C:\\b", L"C:\\c", L"C:\\c"})));
    // Different extensions or folders are different paths.
    EXPECT_FALSE(HasDuplicatePaths(MakePathList({L"C:\\d\\x.txt", L"C:\\d\\x.jpg", L"C:\\e\\x.txt"})));
}

TEST(HasDuplicatePaths, IsCaseSensitive) {
    EXPECT_FALSE(HasDuplicatePaths(MakePathList({L"C:\\d\\A.txt", L"C:\\d\\a.txt"})));
    EXPECT_FALSE(HasDuplicatePaths(MakePathList({L"C:\\d\\x.txt", L"c:\\d\\x.txt", L"C:\\D\\x.TXT"})));
}

TEST(HasDuplicatePaths, FindsThePairAmongManyPaths) {
    std::vector<std::wstring> paths;
    for (int i = 0; i < 5000; ++i) {
        paths.push_back(L"C:\\d\\f" + std::to_wstring(i) + L".txt");
    }
    EXPECT_FALSE(HasDuplicatePaths(MakePathList(paths)));
    // The twin of the first, of a middle and of the last entry, each at the far end.
    for (const wchar_t* twin : {L"C:\\d\\f0.txt", L"C:\\d\\f2500.txt", L"C:\\d\\f4999.txt"}) {
        std::vector<std::wstring> withTwin = paths;
        withTwin.push_back(twin);
        EXPECT_TRUE(HasDuplicatePaths(MakePathList(withTwin))) << twin;
        withTwin.back()[0] = L'c';
        EXPECT_FALSE(HasDuplicatePaths(MakePathList(withTwin))) << twin;
    }
}

TEST(HasDuplicatePaths, EqualPathsEverywhere) {
    EXPECT_TRUE(HasDuplicatePaths(MakePathList(std::vector<std::wstring>(3000, L"C:\\same"))));
    EXPECT_TRUE(HasDuplicatePaths(MakePathList({L"", L""})));
}

}  // namespace
}  // namespace renamory::test
