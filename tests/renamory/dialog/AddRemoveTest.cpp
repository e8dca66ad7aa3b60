#include "RenamoryDialogHarness.h"

namespace renamory::test {
namespace {

using AddTest = RenamoryDialogTest;
using RemoveTest = RenamoryDialogTest;

TEST_F(AddTest, NewestPickGoesToTheTopAndOnePickEndsUpReversed) {
    Add({L"C:\\a.txt"});
    Add({L"C:\\b.txt"});
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\b.txt", L"C:\\a.txt"}), CurrentNames());
    Add({L"C:\\c.txt", L"C:\\d.txt", L"", L"C:\\e.txt"});
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\e.txt", L"C:\\d.txt", L"C:\\c.txt", L"C:\\b.txt",
                                         L"C:\\a.txt"}),
              CurrentNames());
    EXPECT_EQ(std::vector<std::wstring>(5, L""), ModifiedNames());
    EXPECT_TRUE(Texts().empty());
    ASSERT_EQ(3u, pickerOwners.size());
    EXPECT_EQ(dialog.m_hWnd, pickerOwners[0]);
}

TEST_F(AddTest, DuplicatesGiveOneMessageAndCaseMatters) {
    Add({L"C:\\a.txt"});
    Add({L"C:\\a.txt", L"C:\\x.txt", L"C:\\a.txt", L"c:\\A.TXT", L"C:\\x.txt"});
    EXPECT_EQ((std::vector<std::wstring>{L"c:\\A.TXT", L"C:\\x.txt", L"C:\\a.txt"}), CurrentNames());
    ASSERT_EQ(1u, messages.Calls().size());
    const auto& box = messages.Calls()[0];
    EXPECT_EQ(L"File already added to the list!", box.text);
    EXPECT_EQ(L"Orvana Renamory", box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_TOPMOST | MB_ICONINFORMATION), box.style);
    EXPECT_EQ(dialog.m_hWnd, box.owner);
}

TEST_F(AddTest, CancelledPickAddsNothingAndStartKeepsItsState) {
    Add({L"C:\\d\\a.txt"});
    PreviewOk(L"x");
    Add({});
    EXPECT_EQ(1, RowCount());
    EXPECT_TRUE(IsStartEnabled());
    EXPECT_TRUE(Texts().empty());
}

TEST_F(RemoveTest, WithoutSelectionSaysSo) {
    Add({L"C:\\a.txt"});
    Click(kIdRemove);
    ASSERT_EQ(1u, messages.Calls().size());
    EXPECT_EQ(L"No items were selected!", messages.Calls()[0].text);
    EXPECT_EQ(L"Orvana Renamory", messages.Calls()[0].caption);
    EXPECT_EQ(kExclamation, messages.Calls()[0].style);
    EXPECT_EQ(1, RowCount());
}

TEST_F(RemoveTest, AfterPreviewRemovesExactlyThatRowsPair) {
    Add({L"C:\\d\\c.txt", L"C:\\d\\b.txt", L"C:\\d\\a.txt"});  // rows a, b, c
    PreviewOk(L"n[COUNT]");
    SelectRow(1);
    Click(kIdRemove);
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\d\\a.txt", L"C:\\d\\c.txt"}), CurrentNames());
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\d\\a.txt", L"C:\\d\\c.txt"}), Entries(dialog.CurrentPaths()));
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\d\\n1.txt", L"C:\\d\\n3.txt"}), Entries(dialog.NewPaths()));
    EXPECT_TRUE(IsStartEnabled()) << "the top row still has its modified name";
}

TEST_F(RemoveTest, StartIsDisabledWhenTheTopRowHasNoModifiedName) {
    Add({L"C:\\d\\a.txt"});
    PreviewOk(L"x");
    Add({L"C:\\d\\new.txt"});  // at the top, without a modified name
    SelectRow(1);
    Click(kIdRemove);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\d\\new.txt"}, CurrentNames());
    EXPECT_FALSE(IsStartEnabled());

    SelectRow(0);
    Click(kIdRemove);
    EXPECT_EQ(0, RowCount());
    EXPECT_FALSE(IsStartEnabled());
}

}  // namespace
}  // namespace renamory::test
