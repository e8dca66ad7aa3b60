#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "renamory/engine/NameChecks.h"
#include "tests/renamory/engine/PathListHelpers.h"

namespace renamory::test {
namespace {

TEST(IsValidPattern, RefusesEachOfTheEightCharacters) {
    for (const wchar_t* bad : {L"\\", L"/", L":", L"*", L"<", L">", L"|", L"?"}) {
        EXPECT_FALSE(IsValidPattern(bad)) << bad;
        EXPECT_FALSE(IsValidPattern(std::wstring(L"ab") + bad + L"cd")) << bad;
    }
    EXPECT_FALSE(IsValidPattern(L"a:b"));
}

TEST(IsValidPattern, AcceptsOtherText) {
    for (const wchar_t* good : {L"", L" ", L"  ", L"\"quoted\"", L"[NAME]_[COUNT]", L"a.b-c (d) [e]",
                                L"\u00e9t\u00e9 \u65e5\u672c"}) {
        EXPECT_TRUE(IsValidPattern(good)) << good;
    }
}

TEST(IsReservedName, DeviceNamesInAnyCase) {
    for (const wchar_t* stem : {L"COM", L"LPT", L"com", L"lPt"}) {
        for (wchar_t digit = L'1'; digit <= L'9'; ++digit) {
            const std::wstring name = std::wstring(stem) + digit;
            EXPECT_TRUE(IsReservedName(name)) << name;
        }
    }
    for (const wchar_t* name : {L"CON", L"con", L"Con", L"PRN", L"prn", L"AUX", L"aUx", L"NUL", L"nul"}) {
        EXPECT_TRUE(IsReservedName(name)) << name;
    }
}

TEST(IsReservedName, SimilarNamesPass) {
    for (const wchar_t* name : {L"COM0", L"COM10", L"LPT0", L"CON1", L"CLOCK$", L"CONSOLE", L"CO",
                                L"COM", L"LPT", L"", L"NUL ", L" NUL", L"COMA", L"C0N"}) {
        EXPECT_FALSE(IsReservedName(name)) << name;
    }
}

struct PathsCase {
    std::vector<std::wstring> paths;
    bool accepted;
    friend void PrintTo(const PathsCase& c, std::ostream* os) {
        *os << (c.paths.empty() ? std::string("no paths") : Narrow(c.paths.back()));
    }
};

class CheckReservedNamesCases : public ::testing::TestWithParam<PathsCase> {};

TEST_P(CheckReservedNamesCases, JudgesTheNamePartOfEveryPath) {
    const PathsCase& c = GetParam();
    EXPECT_EQ(c.accepted, CheckReservedNames(MakePathList(c.paths))) << c.paths.back();
}

INSTANTIATE_TEST_SUITE_P(
    NewPaths, CheckReservedNamesCases,
    ::testing::Values(
        PathsCase{{}, true},
        PathsCase{{L"C:\\x\\a.txt", L"C:\\x\\b.txt"}, true},
        // The extension is kept and does not hide the device name.
        PathsCase{{L"C:\\x\\con.txt"}, false},
        PathsCase{{L"C:\\x\\CON.txt"}, false},
        PathsCase{{L"C:\\x\\Com1.jpg"}, false},
        PathsCase{{L"C:\\x\\lpt9"}, false},
        PathsCase{{L"C:\\x\\ok.txt", L"C:\\x\\nul.docx"}, false},
        PathsCase{{L"C:\\x\\COM10.txt"}, true},
        PathsCase{{L"C:\\x\\COM0.txt"}, true},
        PathsCase{{L"C:\\x\\CON1.txt"}, true},
        PathsCase{{L"C:\\x\\CLOCK$.txt"}, true},
        // Only the name part counts: a device name as folder or extension is fine.
        PathsCase{{L"C:\\con\\a.txt"}, true},
        PathsCase{{L"C:\\x\\a.con"}, true},
        // Names Windows would not store as they are: it trims a final dot or space.
        PathsCase{{L"C:\\x\\x."}, false},
        PathsCase{{L"C:\\x\\a.b."}, false},
        PathsCase{{L"C:\\x\\."}, false},
        PathsCase{{L"C:\\x\\.."}, false},
        PathsCase{{L"C:\\x\\a "}, false},
        PathsCase{{L"C:\\x\\  "}, false},
        PathsCase{{L"C:\\x\\a.txt "}, false},
        PathsCase{{L"C:\\x\\ok.txt", L"C:\\x\\trail."}, false},
        // Dots and spaces elsewhere are kept by Windows.
        PathsCase{{L"C:\\x\\  .txt"}, true},
        PathsCase{{L"C:\\x\\a b.txt"}, true},
        PathsCase{{L"C:\\x\\ a. b.txt"}, true},
        PathsCase{{L"C:\\x\\..txt"}, true},
        PathsCase{{L"C:\\x\\.profile"}, true},
        PathsCase{{L"C:\\x. \\a.txt"}, true}));

}  // namespace
}  // namespace renamory::test
