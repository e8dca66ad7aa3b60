#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "framework/MessageBoxSeam.h"
#include "renamory/engine/PatternEngine.h"
#include "tests/renamory/engine/FixedEngineClock.h"
#include "tests/renamory/engine/PathListHelpers.h"

namespace renamory::test {
namespace {

const std::vector<std::wstring> kExamplePaths{
    L"C:\\Photos\\IMG_0001.jpg", L"C:\\Photos\\IMG_0002.jpg", L"D:\\Docs\\report.final.docx"};

// Runs the engine with the fixed clock and fails the test if it shows any message box: the
// engine reports through its status only.
class PatternEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousHandler = fw::SetMessageBoxHandler(
            [this](HWND, const std::wstring& text, const std::wstring&, UINT) {
                m_messages.push_back(text);
                return IDOK;
            });
    }
    void TearDown() override {
        fw::SetMessageBoxHandler(m_previousHandler);
        EXPECT_TRUE(m_messages.empty()) << "the engine showed: " << m_messages.front();
    }

    NTSTATUS Build(const std::vector<std::wstring>& paths, std::wstring_view pattern) {
        m_newPaths.Clear();
        return BuildNewPaths(MakePathList(paths), m_newPaths, pattern, clock);
    }
    NTSTATUS Expand(const std::vector<std::wstring>& names, std::wstring_view pattern) {
        m_newNames.Clear();
        return ExpandPattern(MakePathList(names), m_newNames, pattern, clock);
    }
    std::vector<std::wstring> NewPaths() const { return Entries(m_newPaths); }
    std::vector<std::wstring> NewNames() const { return Entries(m_newNames); }

    FixedEngineClock clock;

private:
    fw::MessageBoxHandler m_previousHandler;
    std::vector<std::wstring> m_messages;
    PathList m_newPaths;
    PathList m_newNames;
};

struct ExampleCase {
    const wchar_t* pattern;
    std::vector<std::wstring> expected;
    friend void PrintTo(const ExampleCase& c, std::ostream* os) { *os << Narrow(c.pattern); }
};

class PatternExamples : public PatternEngineTest,
                        public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(PatternExamples, BuildsNewFullPaths) {
    const ExampleCase& example = GetParam();
    ASSERT_EQ(STATUS_SUCCESS, Build(kExamplePaths, example.pattern)) << example.pattern;
    EXPECT_EQ(example.expected, NewPaths()) << example.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    ThreeFilesAtFixedTime, PatternExamples,
    ::testing::Values(
        ExampleCase{L"Holiday_[COUNT]",
                    {L"C:\\Photos\\Holiday_1.jpg", L"C:\\Photos\\Holiday_2.jpg",
                     L"D:\\Docs\\Holiday_3.docx"}},
        ExampleCase{L"[NAME]-[DATE]",
                    {L"C:\\Photos\\IMG_0001-9.12.2008.jpg", L"C:\\Photos\\IMG_0002-9.12.2008.jpg",
                     L"D:\\Docs\\report.final-9.12.2008.docx"}},
        ExampleCase{L"[time] [name]",
                    {L"C:\\Photos\\14.5.9 IMG_0001.jpg", L"C:\\Photos\\14.5.9 IMG_0002.jpg",
                     L"D:\\Docs\\14.5.9 report.final.docx"}},
        // Mixed case is literal text.
        ExampleCase{L"[Name]_[COUNT]",
                    {L"C:\\Photos\\[Name]_1.jpg", L"C:\\Photos\\[Name]_2.jpg",
                     L"D:\\Docs\\[Name]_3.docx"}},
        ExampleCase{L"[nAME][Count][DaTe]",
                    {L"C:\\Photos\\[nAME][Count][DaTe].jpg", L"C:\\Photos\\[nAME][Count][DaTe].jpg",
                     L"D:\\Docs\\[nAME][Count][DaTe].docx"}},
        // The first [ starts no token, the second does; the ] after the token is literal.
        ExampleCase{L"a[[NAME]]",
                    {L"C:\\Photos\\a[IMG_0001].jpg", L"C:\\Photos\\a[IMG_0002].jpg",
                     L"D:\\Docs\\a[report.final].docx"}},
        // Every [COUNT] counts again from 1.
        ExampleCase{L"[COUNT][COUNT]",
                    {L"C:\\Photos\\11.jpg", L"C:\\Photos\\22.jpg", L"D:\\Docs\\33.docx"}},
        ExampleCase{L"[count]-[TIME]-[date]",
                    {L"C:\\Photos\\1-14.5.9-9.12.2008.jpg", L"C:\\Photos\\2-14.5.9-9.12.2008.jpg",
                     L"D:\\Docs\\3-14.5.9-9.12.2008.docx"}},
        // Near-tokens and an unclosed token stay literal text.
        ExampleCase{L"[CAT] or [COUNT",
                    {L"C:\\Photos\\[CAT] or [COUNT.jpg", L"C:\\Photos\\[CAT] or [COUNT.jpg",
                     L"D:\\Docs\\[CAT] or [COUNT.docx"}},
        ExampleCase{L"[", {L"C:\\Photos\\[.jpg", L"C:\\Photos\\[.jpg", L"D:\\Docs\\[.docx"}}));

TEST_F(PatternEngineTest, KeepsFoldersWithDotsAndPathsWithoutExtension) {
    ASSERT_EQ(STATUS_SUCCESS, Build({L"C:\\Temp\\README", L"C:\\Data\\my.dir"}, L"[NAME]_old"));
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\Temp\\README_old", L"C:\\Data\\my_old.dir"}),
              NewPaths());
    ASSERT_EQ(STATUS_SUCCESS, Build({L"C:\\Data\\my.dir", L"C:\\a.b\\c"}, L"x"));
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\Data\\x.dir", L"C:\\a.b\\x"}), NewPaths());
}

TEST_F(PatternEngineTest, DateAndTimeHaveNoPadding) {
    clock.localTime = {2010, 1, 5, 1, 0, 0, 0, 0};  // 1 January 2010, midnight
    ASSERT_EQ(STATUS_SUCCESS, Build({L"C:\\f.txt"}, L"[DATE] [TIME]"));
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\1.1.2010 0.0.0.txt"}, NewPaths());
    clock.localTime = {2031, 11, 0, 30, 23, 59, 58, 999};
    ASSERT_EQ(STATUS_SUCCESS, Build({L"C:\\f.txt"}, L"[date] [time]"));
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\30.11.2031 23.59.58.txt"}, NewPaths());
}

TEST_F(PatternEngineTest, EmptyListGivesEmptyResult) {
    EXPECT_EQ(STATUS_SUCCESS, Build({}, L"[NAME]_[COUNT]_[RAND]"));
    EXPECT_TRUE(NewPaths().empty());
}

TEST_F(PatternEngineTest, ExpandWithEmptyPatternBuildsNothing) {
    EXPECT_EQ(STATUS_SUCCESS, Expand({L"a", L"b"}, L""));
    EXPECT_TRUE(NewNames().empty());
}

TEST_F(PatternEngineTest, RefusesBadArgumentsAndLeavesOutputAlone) {
    const PathList current = MakePathList(kExamplePaths);
    PathList output = MakePathList({L"C:\\stale"});
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), BuildNewPaths(current, output, L"x", clock));
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\stale"}, Entries(output));
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), ExpandPattern(current, output, L"x", clock));
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\stale"}, Entries(output));

    PathList empty;
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), BuildNewPaths(current, empty, L"", clock));
    // A path without a folder would be renamed relative to the current directory.
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER),
              BuildNewPaths(MakePathList({L"C:\\a.txt", L"b.txt"}), empty, L"x", clock));
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER),
              BuildNewPaths(current, empty, std::wstring(260, L'p'), clock));
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), ExpandPattern(current, empty, std::wstring(260, L'p'), clock));
    EXPECT_TRUE(empty.IsEmpty());
}

TEST_F(PatternEngineTest, UsesInstalledClockWhenNoneIsGiven) {
    EngineClock* previous = SetEngineClock(&clock);
    PathList output;
    const NTSTATUS status = BuildNewPaths(MakePathList({L"C:\\f.txt"}), output, L"[DATE]");
    SetEngineClock(previous);
    ASSERT_EQ(STATUS_SUCCESS, status);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\9.12.2008.txt"}, Entries(output));
}

// [RAND]

unsigned ParseRandom(const std::wstring& text) {
    EXPECT_FALSE(text.empty());
    EXPECT_LE(text.size(), 4u) << "not below 10000: " << text;
    EXPECT_TRUE(text == L"0" || text[0] != L'0') << "padded: " << text;
    for (wchar_t c : text) {
        EXPECT_TRUE(c >= L'0' && c <= L'9') << "not decimal: " << text;
    }
    return static_cast<unsigned>(std::stoul(text));
}

TEST_F(PatternEngineTest, RandomNumbersAreDecimalBelowTenThousand) {
    std::vector<std::wstring> names(2000, L"n");
    ASSERT_EQ(STATUS_SUCCESS, Expand(names, L"[RAND]"));
    std::vector<unsigned> values;
    for (const std::wstring& name : NewNames()) {
        values.push_back(ParseRandom(name));
    }
    ASSERT_EQ(2000u, values.size());
    EXPECT_NE(values.front(), values.back()) << "one number for all files";
    EXPECT_EQ(std::vector<unsigned>{static_cast<unsigned>(clock.calendarTime)}, clock.seeds);
}

TEST_F(PatternEngineTest, RandomIsGeneratorValueModuloTenThousand) {
    clock.scriptedRandoms = std::vector<int>{9999, 10000, 32767, 0, 123456};
    ASSERT_EQ(STATUS_SUCCESS, Expand({L"a", L"b", L"c", L"d", L"e"}, L"[rand]"));
    EXPECT_EQ((std::vector<std::wstring>{L"9999", L"0", L"2767", L"0", L"3456"}), NewNames());
}

TEST_F(PatternEngineTest, EveryRandomTokenReseedsFromCalendarTime) {
    ASSERT_EQ(STATUS_SUCCESS, Expand({L"a", L"b", L"c", L"d"}, L"[RAND]_[RAND]"));
    const unsigned seed = static_cast<unsigned>(clock.calendarTime);
    EXPECT_EQ((std::vector<unsigned>{seed, seed}), clock.seeds);
    std::vector<std::wstring> firsts;
    for (const std::wstring& name : NewNames()) {
        const size_t bar = name.find(L'_');
        ASSERT_NE(std::wstring::npos, bar) << name;
        ParseRandom(name.substr(0, bar));
        EXPECT_EQ(name.substr(0, bar), name.substr(bar + 1)) << name;
        firsts.push_back(name.substr(0, bar));
    }
    // Same clock, same numbers.
    ASSERT_EQ(STATUS_SUCCESS, Expand({L"a", L"b", L"c", L"d"}, L"[RAND]"));
    EXPECT_EQ(firsts, NewNames());
}

// Length limits. A new name may not reach 259 units through an append; a new full path
// may not pass 259 units.

TEST_F(PatternEngineTest, NewNameOf258PassesExpansionAndFailsTheJoin) {
    const std::wstring pattern = L"[NAME]" + std::wstring(57, L'p');
    const std::wstring name(201, L'n');
    ASSERT_EQ(STATUS_SUCCESS, Expand({name}, pattern));
    ASSERT_EQ(1u, NewNames().size());
    EXPECT_EQ(258u, NewNames()[0].size());

    // Any folder has at least three units, so the full path cannot fit.
    EXPECT_EQ(STATUS_UNSUCCESSFUL, Build({L"C:\\" + name}, pattern));
    EXPECT_TRUE(NewPaths().empty());
}

TEST_F(PatternEngineTest, AppendReaching259FailsExpansion) {
    const std::wstring pattern = L"[NAME]" + std::wstring(57, L'p');
    const std::wstring name(202, L'n');
    EXPECT_EQ(STATUS_UNSUCCESSFUL, Expand({name}, pattern));
    EXPECT_EQ(STATUS_UNSUCCESSFUL, Build({L"C:\\" + name}, pattern));
    EXPECT_TRUE(NewPaths().empty());

    // "9.12.2008" is 9 units: 249 + 9 = 258 passes, 250 + 9 = 259 fails.
    EXPECT_EQ(STATUS_SUCCESS, Expand({std::wstring(249, L'n')}, L"[NAME][DATE]"));
    EXPECT_EQ(STATUS_UNSUCCESSFUL, Expand({std::wstring(250, L'n')}, L"[NAME][DATE]"));
    // "14.5.9" is 6 units.
    EXPECT_EQ(STATUS_UNSUCCESSFUL, Expand({std::wstring(253, L'n')}, L"[NAME][time]"));
    // Only a file further down the list is too long: the whole expansion still fails.
    EXPECT_EQ(STATUS_UNSUCCESSFUL,
              Expand({L"short", std::wstring(250, L'n'), L"short"}, L"[NAME][DATE]"));
}

TEST_F(PatternEngineTest, FirstPieceIsTakenWithoutLengthTest) {
    // A literal of 259 units alone is a 259-unit new name; only the join refuses it.
    ASSERT_EQ(STATUS_SUCCESS, Expand({L"a"}, std::wstring(259, L'p')));
    EXPECT_EQ(259u, NewNames()[0].size());
}

TEST_F(PatternEngineTest, FullPathOf259PassesAnd260Fails) {
    // "C:\" + name + ".txt" = 3 + n + 4 units.
    ASSERT_EQ(STATUS_SUCCESS, Build({L"C:\\f.txt"}, std::wstring(252, L'a')));
    ASSERT_EQ(1u, NewPaths().size());
    EXPECT_EQ(259u, NewPaths()[0].size());
    EXPECT_EQ(STATUS_UNSUCCESSFUL, Build({L"C:\\f.txt"}, std::wstring(253, L'a')));
    EXPECT_TRUE(NewPaths().empty());
}

TEST_F(PatternEngineTest, OneFullPathTooLongFailsTheWholeBuildWithoutMessage) {
    // Folders of 5, 6 and 5 units: only the second new path reaches 260 units. A shorter
    // list would pair later current paths with nothing, so nothing is built at all; the
    // caller reports it (the fixture fails on any message box from the engine).
    const std::wstring name(250, L'a');
    EXPECT_EQ(STATUS_UNSUCCESSFUL,
              Build({L"C:\\1\\f.txt", L"C:\\22\\f.txt", L"C:\\3\\f.txt"}, name));
    EXPECT_TRUE(NewPaths().empty());
    EXPECT_EQ(STATUS_SUCCESS, Build({L"C:\\1\\f.txt", L"C:\\3\\f.txt"}, name));
    EXPECT_EQ(2u, NewPaths().size());
}

}  // namespace
}  // namespace renamory::test
