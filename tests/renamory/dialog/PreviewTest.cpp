#include "RenamoryDialogHarness.h"

namespace renamory::test {
namespace {

constexpr wchar_t kInvalidShort[] =
    L"Invalid Regulator Expression! \nFile names must not contain:\n\\  /  :  *  <  >  |  ?";

struct RefusedPreview {
    const char* name;
    std::vector<std::wstring> picks;  // added in one Add..., so rows are in reverse order
    std::wstring pattern;
    std::wstring message;
    UINT style;
    bool clearsModifiedNames;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RefusedPreview& c, std::ostream* out) { *out << c.name; }

class PreviewRefusalTest : public RenamoryDialogTest,
                           public ::testing::WithParamInterface<RefusedPreview> {};

// Every refusal shows its one message; and after an earlier successful Preview had enabled
// Start, the refused Preview disables it, so Start cannot rename to what was refused.
TEST_P(PreviewRefusalTest, ShowsItsMessageAndDisablesStart) {
    const RefusedPreview& c = GetParam();
    Add(c.picks);
    PreviewOk(L"ok[COUNT]");
    const std::vector<std::wstring> previewed = ModifiedNames();

    SetPattern(c.pattern);
    messages.Clear();
    Click(kIdPreview);
    ASSERT_EQ(1u, messages.Calls().size()) << c.name;
    const auto& box = messages.Calls()[0];
    EXPECT_EQ(c.message, box.text);
    EXPECT_EQ(L"Orvana Renamory", box.caption);
    EXPECT_EQ(c.style, box.style);
    EXPECT_EQ(dialog.m_hWnd, box.owner);
    EXPECT_FALSE(IsStartEnabled());
    if (c.clearsModifiedNames) EXPECT_EQ(std::vector<std::wstring>(previewed.size(), L""), ModifiedNames());
    else EXPECT_EQ(previewed, ModifiedNames());
}

const std::wstring kLongName(255, L'n');

INSTANTIATE_TEST_SUITE_P(
    InTestedOrder, PreviewRefusalTest,
    ::testing::Values(
        RefusedPreview{"OneSpace", {L"C:\\d\\a.txt"}, L" ", L"Incorrect filename", kExclamation, false},
        RefusedPreview{"Colon", {L"C:\\d\\a.txt", L"C:\\d\\b.txt"}, L"a:b", kInvalidShort, kExclamation, true},
        RefusedPreview{"Question", {L"C:\\d\\a.txt"}, L"?", kInvalidShort, kExclamation, true},
        RefusedPreview{"Empty", {L"C:\\d\\a.txt"}, L"", L"Please type a Regular Expression", kExclamation, false},
        RefusedPreview{"TooLong", {L"C:\\d\\a.txt"}, kLongName, L"New file name too large", kTopmostExclamation, false},
        RefusedPreview{"Con", {L"C:\\d\\a.txt"}, L"CON", L"There are invalid filenames!", kExclamation, false},
        RefusedPreview{"LowerCon", {L"C:\\d\\a.txt"}, L"con", L"There are invalid filenames!", kExclamation, false},
        RefusedPreview{"Com1", {L"C:\\d\\a.txt"}, L"COM1", L"There are invalid filenames!", kExclamation, false},
        RefusedPreview{"TrailingDot", {L"C:\\d\\README"}, L"x.", L"There are invalid filenames!", kExclamation, false},
        RefusedPreview{"TrailingSpace", {L"C:\\d\\README"}, L"x ", L"There are invalid filenames!", kExclamation, false},
        RefusedPreview{"Duplicates", {L"C:\\d\\a.txt", L"C:\\d\\b.txt"}, L"x", L"There are duplicate names!", kExclamation, false}),
    [](const ::testing::TestParamInfo<RefusedPreview>& info) { return std::string(info.param.name); });

using PreviewTest = RenamoryDialogTest;

TEST_F(PreviewTest, WithoutRowsAsksForFiles) {
    SetPattern(L"x");
    Click(kIdPreview);
    ASSERT_EQ(1u, messages.Calls().size());
    EXPECT_EQ(L"Please select Files for this operation", messages.Calls()[0].text);
    EXPECT_EQ(kExclamation, messages.Calls()[0].style);
    EXPECT_FALSE(IsStartEnabled());
    EXPECT_TRUE(dialog.CurrentPaths().IsEmpty());
}

TEST_F(PreviewTest, AcceptedPatterns) {
    // COM10 is no device; a double quote passes the character check; names that differ only
    // in case or extension, or lie in other folders, are no duplicates.
    const std::pair<std::wstring, std::vector<std::wstring>> cases[] = {
        {L"COM10", {L"C:\\d\\COM10.txt"}},
        {L"a\"b", {L"C:\\d\\a\"b.txt"}},
        {L"  ", {L"C:\\d\\  .txt"}},
    };
    Add({L"C:\\d\\a.txt"});
    for (const auto& [pattern, expected] : cases) {
        PreviewOk(pattern);
        EXPECT_EQ(expected, ModifiedNames());
    }
    Add({L"C:\\d\\b.doc", L"C:\\e\\c.txt"});
    PreviewOk(L"x");
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\e\\x.txt", L"C:\\d\\x.doc", L"C:\\d\\x.txt"}), ModifiedNames());
}

TEST_F(PreviewTest, ThreeRowsFillTheColumnInRowOrderAndEnableStart) {
    Add({L"C:\\p\\c.jpg", L"C:\\p\\b.jpg", L"D:\\q\\a.report.docx"});
    EXPECT_FALSE(IsStartEnabled());
    PreviewOk(L"Holiday_[COUNT]");
    const std::vector<std::wstring> expected{L"D:\\q\\Holiday_1.docx", L"C:\\p\\Holiday_2.jpg",
                                             L"C:\\p\\Holiday_3.jpg"};
    EXPECT_EQ(expected, ModifiedNames());
    EXPECT_EQ(CurrentNames(), Entries(dialog.CurrentPaths()));
    EXPECT_EQ(expected, Entries(dialog.NewPaths()));
}

TEST_F(PreviewTest, EnterRunsPreviewAndEscapeDoesNothing) {
    Add({L"C:\\d\\a.txt"});
    SetPattern(L"y");
    const HWND edit = Item(kIdPattern);
    ::SetFocus(edit);
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    testing_support::PumpPending();
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\d\\y.txt"}, ModifiedNames());
    EXPECT_TRUE(IsStartEnabled());

    ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    testing_support::PumpPending();
    dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    EXPECT_TRUE(Texts().empty());
}

}  // namespace
}  // namespace renamory::test
