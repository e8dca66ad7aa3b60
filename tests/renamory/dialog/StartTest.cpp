#include "RenamoryDialogHarness.h"
#include "RenameTestSupport.h"
#include "renamory/rename/RenameFailureReport.h"
#include "support/Fixture.h"

#include <sstream>

namespace renamory::test {
namespace {

using testing_support::FixtureTree;

constexpr wchar_t kInvalidLong[] =
    L"Invalid Regulator Expression! \nFile names must not contain one of the following "
    L"characters:\n\\  /  :  *  <  >  |  ?";

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wstringstream in(text);
    for (std::wstring line; std::getline(in, line, L'\n');) lines.push_back(line);
    return lines;
}

class StartTest : public RenamoryDialogTest {
protected:
    FixtureTree tree;
};

TEST_F(StartTest, AfterPreviewRenamesInRowOrderWithProgress) {
    const std::wstring a = tree.File(L"a.txt"), b = tree.File(L"b.txt"), c = tree.File(L"c.txt");
    Add({c, b, a});  // rows a, b, c
    PreviewOk(L"n[COUNT]");
    ObservedMoves moves;
    ProgressRecorder progress(Item(kIdProgress));

    StartAndWait();

    const std::vector<std::wstring> renamed{tree.Path(L"n1.txt"), tree.Path(L"n2.txt"), tree.Path(L"n3.txt")};
    EXPECT_EQ((std::vector<std::pair<std::wstring, std::wstring>>{
                  {a, renamed[0]}, {b, renamed[1]}, {c, renamed[2]}}),
              moves.Moves());
    EXPECT_EQ((std::vector<int>{33, 66, 100, 0}), progress.Positions());
    EXPECT_EQ(renamed, CurrentNames());
    EXPECT_EQ(std::vector<std::wstring>(3, L""), ModifiedNames());
    for (const wchar_t* name : {L"n1.txt", L"n2.txt", L"n3.txt"}) EXPECT_TRUE(tree.Exists(name)) << name;
    EXPECT_FALSE(tree.Exists(L"a.txt"));
    EXPECT_FALSE(IsStartEnabled());
    EXPECT_TRUE(Texts().empty());
}

TEST_F(StartTest, PatternModeAfterAnAddAtTheTopRenamesEveryRowWithTheEditedPattern) {
    const std::wstring a = tree.File(L"a.txt"), b = tree.File(L"b.txt"), c = tree.File(L"c.dat");
    Add({b, a});
    PreviewOk(L"x[COUNT]");
    Add({c});  // top row, no modified name
    SetPattern(L"y[COUNT]");
    Click(kIdStart);
    EXPECT_FALSE(IsStartEnabled());
    ASSERT_TRUE(testing_support::PumpUntil([this] { return !dialog.IsRenameRunning(); }));

    const std::vector<std::wstring> renamed{tree.Path(L"y1.dat"), tree.Path(L"y2.txt"), tree.Path(L"y3.txt")};
    EXPECT_EQ(renamed, CurrentNames());
    for (const auto& path : renamed) EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(path.c_str()));
    EXPECT_EQ(renamed, Entries(dialog.NewPaths()));
    EXPECT_TRUE(Texts().empty());
}

// A failed rename is reported, and its row keeps the path the file still has.
TEST_F(StartTest, ExistingTargetIsNotRenamedAndIsReported) {
    const std::wstring a = tree.File(L"a.txt"), b = tree.File(L"b.txt");
    tree.File(L"n1.txt");  // not in the list; a.txt would become it
    Add({b, a});
    PreviewOk(L"n[COUNT]");
    StartAndWait();

    EXPECT_EQ((std::vector<std::wstring>{a, tree.Path(L"n2.txt")}), CurrentNames());
    EXPECT_EQ(std::vector<std::wstring>(2, L""), ModifiedNames());
    EXPECT_TRUE(tree.Exists(L"a.txt"));
    ASSERT_EQ(1u, messages.Calls().size());
    const auto& box = messages.Calls()[0];
    EXPECT_EQ(L"Orvana Renamory", box.caption);
    EXPECT_EQ(kExclamation, box.style);
    EXPECT_EQ(dialog.m_hWnd, box.owner);
    const std::vector<std::wstring> lines = Lines(box.text);
    ASSERT_EQ(2u, lines.size()) << std::string(box.text.begin(), box.text.end());
    EXPECT_EQ(L"Some items could not be renamed:", lines[0]);
    EXPECT_EQ(0u, lines[1].rfind(a + L": ", 0));
    EXPECT_GT(lines[1].size(), a.size() + 2) << "the system's error text follows the path";
}

TEST_F(StartTest, ChainOntoALaterFilesCurrentNameFails) {
    const std::wstring a = tree.File(L"a.txt"), a_ = tree.File(L"a_.txt");
    Add({a_, a});  // rows a, a_
    PreviewOk(L"[NAME]_");  // a -> a_ (still there), a_ -> a__
    StartAndWait();

    EXPECT_EQ((std::vector<std::wstring>{a, tree.Path(L"a__.txt")}), CurrentNames());
    EXPECT_TRUE(tree.Exists(L"a.txt"));
    EXPECT_TRUE(tree.Exists(L"a__.txt"));
    ASSERT_EQ(1u, messages.Calls().size());
    EXPECT_EQ(0u, Lines(messages.Calls()[0].text).at(1).rfind(a + L": ", 0));
}

TEST_F(StartTest, ReportListsTenFailuresAndCountsTheRest) {
    std::vector<std::wstring> picks;
    for (int i = 12; i >= 1; --i) picks.push_back(L"C:\\nowhere\\f" + std::to_wstring(i) + L".txt");
    Add(picks);
    PreviewOk(L"g[COUNT]");
    SetMoveFileFunction([](const wchar_t*, const wchar_t*) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    });
    StartAndWait();

    ASSERT_EQ(1u, messages.Calls().size());
    const std::vector<std::wstring> lines = Lines(messages.Calls()[0].text);
    ASSERT_EQ(12u, lines.size());
    EXPECT_EQ(L"C:\\nowhere\\f1.txt: " + SystemErrorText(ERROR_ACCESS_DENIED), lines[1]);
    EXPECT_EQ(L"C:\\nowhere\\f10.txt: " + SystemErrorText(ERROR_ACCESS_DENIED), lines[10]);
    EXPECT_EQ(L"and 2 more", lines[11]);
    EXPECT_EQ(CurrentNames(), Entries(dialog.CurrentPaths())) << "no row claims a rename";
}

// Rows that the run did not cover keep their place and text: a row appended after the
// Preview (as a drop does) and rows beyond a run that was given fewer pairs.
TEST_F(StartTest, RowsOutsideTheRunKeepTheirPlaceAndText) {
    const std::wstring a = tree.File(L"a.txt"), b = tree.File(L"b.txt"), dropped = tree.File(L"z.txt");
    Add({b, a});
    PreviewOk(L"m[COUNT]");
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = const_cast<wchar_t*>(dropped.c_str());
    ::SendMessageW(Item(kIdFileList), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));

    StartAndWait();
    EXPECT_EQ((std::vector<std::wstring>{tree.Path(L"m1.txt"), tree.Path(L"m2.txt"), dropped}), CurrentNames());
    EXPECT_EQ(std::vector<std::wstring>(3, L""), ModifiedNames());
    EXPECT_TRUE(tree.Exists(L"z.txt"));
    EXPECT_TRUE(Texts().empty());
}

TEST_F(StartTest, RefusalsInTheirOrderLeaveStartDisabled) {
    // Pattern mode (no modified names): the edit is read and checked.
    Add({L"C:\\d\\a.txt"});
    SetPattern(L"");
    Click(kIdStart);
    SetPattern(L"a:b");
    Click(kIdStart);
    EXPECT_EQ((std::vector<std::wstring>{L"Please type a Regular Expression", kInvalidLong}), Texts());
    EXPECT_FALSE(IsStartEnabled());

    // A Preview stopped at a single space leaves it stored; Start tests it before the edit.
    messages.Clear();
    PreviewOk(L"ok");
    SetPattern(L" ");
    Click(kIdPreview);
    SetPattern(L"fine");
    Click(kIdStart);
    EXPECT_EQ((std::vector<std::wstring>{L"Incorrect filename", L"Incorrect filename"}), Texts());
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\d\\ok.txt"}, ModifiedNames());
    EXPECT_FALSE(dialog.IsRenameRunning());
}

TEST_F(StartTest, InvalidPatternInPatternModeEmptiesTheModifiedNames) {
    Add({L"C:\\d\\a.txt"});
    PreviewOk(L"ok");
    Add({L"C:\\d\\b.txt"});  // top row without a modified name: pattern mode
    SetPattern(L"x|y");
    Click(kIdStart);
    EXPECT_EQ(std::vector<std::wstring>{kInvalidLong}, Texts());
    EXPECT_EQ(std::vector<std::wstring>(2, L""), ModifiedNames());
    EXPECT_FALSE(IsStartEnabled());
}

TEST_F(StartTest, WithoutRowsAsksForFiles) {
    SetPattern(L"x");
    Click(kIdStart);
    EXPECT_EQ(std::vector<std::wstring>{L"Please select Files for this operation"}, Texts());
}

// The engine refusing the pattern on the worker is reported, from the GUI thread, and
// nothing is renamed.
TEST_F(StartTest, PatternModeEngineFailureIsReportedAndRenamesNothing) {
    const std::wstring a = tree.File(L"a.txt");
    Add({a});
    SetPattern(std::wstring(250, L'n'));
    DWORD shownOn = 0;
    UINT style = 0;
    auto previous = fw::SetMessageBoxHandler([&](HWND, const std::wstring& text, const std::wstring&, UINT s) {
        shownOn = ::GetCurrentThreadId();
        style = s;
        EXPECT_EQ(L"New file name too large", text);
        return IDOK;
    });
    ObservedMoves moves;
    StartAndWait();
    fw::SetMessageBoxHandler(previous);

    EXPECT_EQ(::GetCurrentThreadId(), shownOn);
    EXPECT_EQ(kTopmostExclamation, style);
    EXPECT_TRUE(moves.Moves().empty());
    EXPECT_EQ(std::vector<std::wstring>{a}, CurrentNames());
    EXPECT_TRUE(tree.Exists(L"a.txt"));
    EXPECT_FALSE(IsStartEnabled());
}

// While a run goes on, Remove, Add..., Preview and the token buttons work on the rows but do
// not change what the run renames; Start does not start a second run.
TEST_F(StartTest, DialogStaysUsableDuringARunWithoutChangingIt) {
    std::vector<std::wstring> picks;
    for (int i = 4; i >= 1; --i) picks.push_back(tree.File(L"f" + std::to_wstring(i) + L".txt"));
    const std::wstring late = tree.File(L"late.txt");
    Add(picks);  // rows f1..f4
    PreviewOk(L"r[COUNT]");
    ObservedMoves moves(/*holdBefore=*/1);
    Click(kIdStart);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return moves.IsHeld(); }));

    SelectRow(3);
    Click(kIdRemove);           // f4's row goes; its file is still renamed
    Add({late});              // a new top row, not part of the run
    SetPattern(L"other");
    Click(kIdPreview);          // refused (duplicates), and changes nothing of the run
    Click(kIdTokenDate);
    Click(kIdStart);
    EXPECT_TRUE(dialog.IsRenameRunning());
    moves.Release();
    ASSERT_TRUE(testing_support::PumpUntil([this] { return !dialog.IsRenameRunning(); }));

    ASSERT_EQ(4u, moves.Moves().size());
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(tree.Path(L"r" + std::to_wstring(i) + L".txt"), moves.Moves()[i - 1].second);
        EXPECT_TRUE(tree.Exists(L"r" + std::to_wstring(i) + L".txt"));
    }
    EXPECT_EQ((std::vector<std::wstring>{late, tree.Path(L"r1.txt"), tree.Path(L"r2.txt"), tree.Path(L"r3.txt")}),
              CurrentNames());
    EXPECT_EQ(L"other[DATE]", Pattern());
    EXPECT_EQ(std::vector<std::wstring>{L"There are duplicate names!"}, Texts());
    EXPECT_FALSE(IsStartEnabled());
}

}  // namespace
}  // namespace renamory::test
