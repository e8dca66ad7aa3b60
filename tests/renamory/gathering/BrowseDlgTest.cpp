#include <gtest/gtest.h>

#include "framework/Handles.h"
#include "renamory/RenamoryApp.h"
#include "renamory/gathering/BrowseDlg.h"
#include "support/DialogTemplate.h"
#include "support/Fixture.h"
#include "support/MessageBoxRecorder.h"
#include "support/Pump.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kEdit = 1008, kList = 1009, kDrives = 1010, kUp = 1011;

TEST(BrowseDlgDrives, OfferEverySetBitFromBOnNeverA) {
    struct Case {
        DWORD mask;
        std::vector<std::wstring> names;
    };
    const Case cases[] = {
        {0x1, {}},
        {0x5, {L"C:"}},
        {0x7, {L"B:", L"C:"}},
        {(1u << 2) | (1u << 20) | (1u << 25), {L"C:", L"U:", L"Z:"}},
        {0xFFFFFFFF, {}},
    };
    for (const Case& c : cases) {
        const auto names = CBrowseDlg::DriveNames(c.mask);
        if (c.mask == 0xFFFFFFFF) {
            ASSERT_EQ(31u, names.size());
            EXPECT_EQ(L"B:", names.front());
            EXPECT_EQ(std::wstring(1, static_cast<wchar_t>(L'A' + 31)) + L":", names.back());
        } else {
            EXPECT_EQ(c.names, names) << std::hex << c.mask;
        }
    }
    EXPECT_EQ(L"Windows", CBrowseDlg::GetLastComponent(L"C:\\Windows"));
    EXPECT_EQ(L"C:", CBrowseDlg::GetLastComponent(L"C:"));
    EXPECT_EQ(L"", CBrowseDlg::GetLastComponent(L"C:\\"));
}

// The dialog on the renamer's fixture drive U:, whose root holds a small tree.
class BrowseDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
        SHFILEINFOW info{};
        systemList = reinterpret_cast<HIMAGELIST>(
            ::SHGetFileInfoW(L"c:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
        app.m_imlSystemSmall.Attach(systemList, false);
        drive.Folder(L"Docs");
        drive.File(L"Docs\\one.txt", 1);
        drive.File(L"Docs\\two.txt", 2);
        drive.Folder(L"Docs\\Deeper");
        drive.File(L"b.txt", 1);
        drive.File(L"a.txt", 1);
        ::SetFileAttributesW(drive.File(L"hidden.sys", 1).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    }
    void TearDown() override {
        dialog.reset();
        app.m_imlSystemSmall.Detach();
    }

    CBrowseDlg& Open() {
        dialog = std::make_unique<CBrowseDlg>();
        EXPECT_TRUE(dialog->Create());
        return *dialog;
    }
    // Chooses a drive in the box as the user does (the selection, then CBN_SELENDOK).
    void ChooseDrive(const std::wstring& name) {
        const HWND combo = ::GetDlgItem(dialog->m_hWnd, kDrives);
        const LRESULT index = ::SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(CB_ERR, index) << testing::PrintToString(name);
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
    }
    std::vector<std::wstring> Rows() const {
        std::vector<std::wstring> rows;
        for (int i = 0; i < dialog->m_lstEntries.GetItemCount(); ++i) rows.push_back(dialog->m_lstEntries.GetItemText(i, 0));
        return rows;
    }
    void SelectRows(const std::vector<std::wstring>& names) {
        for (const auto& name : names) {
            const auto rows = Rows();
            const auto at = std::find(rows.begin(), rows.end(), name);
            ASSERT_NE(rows.end(), at) << testing::PrintToString(name);
            dialog->m_lstEntries.SetItemState(static_cast<int>(at - rows.begin()), LVIS_SELECTED, LVIS_SELECTED);
        }
    }
    void DoubleClick() {
        NMITEMACTIVATE activate{};
        activate.hdr.hwndFrom = dialog->m_lstEntries.m_hWnd;
        activate.hdr.idFrom = kList;
        activate.hdr.code = NM_DBLCLK;
        activate.iItem = 0;
        ::SendMessageW(dialog->m_hWnd, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&activate));
    }
    std::wstring EditText() const {
        wchar_t buffer[MAX_PATH] = {};
        ::GetDlgItemTextW(dialog->m_hWnd, kEdit, buffer, MAX_PATH);
        return buffer;
    }
    // The folder's entries in the reverse of the order the directory search gives them.
    static std::vector<std::wstring> ReversedSearch(const std::wstring& folder) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found{};
        fw::FindHandle search(::FindFirstFileW((folder + L"\\*.*").c_str(), &found));
        if (!search) return names;
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.insert(names.begin(), name);
        } while (::FindNextFileW(search.Get(), &found));
        return names;
    }

    CRenamoryApp app;
    testing_support::FixtureTree drive{L'U'};
    HIMAGELIST systemList = nullptr;
    std::unique_ptr<CBrowseDlg> dialog;
};

TEST_F(BrowseDlgTest, OpensOnTheFirstDriveOfTheSortedBoxWithTheListEmptiedOfEarlierPicks) {
    app.m_lstPickedPaths = {L"C:\\earlier.txt"};
    CBrowseDlg& dlg = Open();
    EXPECT_TRUE(app.m_lstPickedPaths.empty());
    std::vector<std::wstring> items;
    for (int i = 0; i < dlg.m_cmbDrives.GetCount(); ++i) items.push_back(dlg.m_cmbDrives.GetLBText(i));
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
    EXPECT_NE(items.end(), std::find(items.begin(), items.end(), L"U:"));
    EXPECT_EQ(items.end(), std::find(items.begin(), items.end(), L"A:"));
    EXPECT_EQ(0, dlg.m_cmbDrives.GetCurSel());
    EXPECT_EQ(items.front(), dlg.m_strCurrentPath);
    EXPECT_EQ(items.front(), EditText());
    EXPECT_EQ(ReversedSearch(items.front()), Rows());
    // The icons come from the system image list, which the dialog only borrows.
    EXPECT_EQ(systemList, reinterpret_cast<HIMAGELIST>(dlg.m_lstEntries.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL)));
}

TEST_F(BrowseDlgTest, ListsADriveInReverseSearchOrderWithoutAFilter) {
    Open();
    ChooseDrive(L"U:");
    EXPECT_EQ(L"U:", dialog->m_strCurrentPath);
    EXPECT_EQ(L"U:", EditText());
    const auto rows = Rows();
    EXPECT_EQ(ReversedSearch(L"U:"), rows);
    EXPECT_EQ(4u, rows.size());  // Docs, b.txt, a.txt and the hidden system file
    EXPECT_NE(rows.end(), std::find(rows.begin(), rows.end(), L"hidden.sys"));
}

TEST_F(BrowseDlgTest, UpAtTheRootChangesNothing) {
    Open();
    ChooseDrive(L"U:");
    const auto before = Rows();
    drive.File(L"added later.txt");
    ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(kUp, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog->m_hWnd, kUp)));
    EXPECT_EQ(L"U:", dialog->m_strCurrentPath);
    EXPECT_EQ(L"U:", EditText());
    EXPECT_EQ(before, Rows());  // not even listed again
}

TEST_F(BrowseDlgTest, DoubleClickOpensAFolderAndIgnoresAFileAndUpComesBack) {
    Open();
    ChooseDrive(L"U:");
    SelectRows({L"a.txt"});
    DoubleClick();
    EXPECT_EQ(L"U:", dialog->m_strCurrentPath);
    EXPECT_EQ(ReversedSearch(L"U:"), Rows());

    // With several rows selected the topmost selected one counts.
    SelectRows({L"Docs", L"b.txt"});
    const auto rows = Rows();
    const bool docsFirst = std::find(rows.begin(), rows.end(), L"Docs") < std::find(rows.begin(), rows.end(), L"b.txt");
    DoubleClick();
    if (docsFirst) {
        EXPECT_EQ(L"U:\\Docs", dialog->m_strCurrentPath);
        EXPECT_EQ(L"U:\\Docs", EditText());
        EXPECT_EQ(ReversedSearch(L"U:\\Docs"), Rows());
    } else {
        EXPECT_EQ(L"U:", dialog->m_strCurrentPath);
        SelectRows({L"Docs"});
        dialog->m_lstEntries.SetItemState(static_cast<int>(std::find(rows.begin(), rows.end(), L"b.txt") - rows.begin()), 0,
                                          LVIS_SELECTED);
        DoubleClick();
        EXPECT_EQ(L"U:\\Docs", dialog->m_strCurrentPath);
    }
    SelectRows({L"Deeper"});
    DoubleClick();
    EXPECT_EQ(L"U:\\Docs\\Deeper", dialog->m_strCurrentPath);
    EXPECT_TRUE(Rows().empty());  // only "." and ".."

    dialog->GoUp();
    EXPECT_EQ(L"U:\\Docs", dialog->m_strCurrentPath);
    EXPECT_EQ(L"U:\\Docs", EditText());
    EXPECT_EQ(ReversedSearch(L"U:\\Docs"), Rows());
    dialog->GoUp();
    EXPECT_EQ(L"U:", dialog->m_strCurrentPath);
    EXPECT_EQ(ReversedSearch(L"U:"), Rows());
}

TEST_F(BrowseDlgTest, AnUnreadableFolderSaysAccessDeniedAndTheListingComesBack) {
    drive.Folder(L"Locked");
    drive.File(L"Locked\\secret.txt");
    Open();
    ChooseDrive(L"U:");
    const auto before = Rows();
    // Held open with no sharing, the folder cannot be searched (chmod does not stop root).
    fw::FileHandle hold(::CreateFileW(drive.Path(L"Locked").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    ASSERT_TRUE(hold);
    testing_support::MessageBoxRecorder boxes;
    SelectRows({L"Locked"});
    DoubleClick();
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ(L"Access Denied", boxes.Calls()[0].text);
    EXPECT_EQ(L"Orvana Renamory", boxes.Calls()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONHAND), boxes.Calls()[0].style);
    EXPECT_EQ(dialog->m_hWnd, boxes.Calls()[0].owner);
    EXPECT_EQ(L"U:", dialog->m_strCurrentPath);
    EXPECT_EQ(L"U:", EditText());
    EXPECT_EQ(before, Rows());
}

TEST_F(BrowseDlgTest, AddGivesTheSelectedPathsInViewOrder) {
    Open();
    ChooseDrive(L"U:");
    SelectRows({L"Docs"});
    DoubleClick();
    ASSERT_EQ(L"U:\\Docs", dialog->m_strCurrentPath);
    SelectRows({L"two.txt", L"Deeper", L"one.txt"});
    std::vector<std::wstring> expected;
    for (const auto& row : Rows()) expected.push_back(L"U:\\Docs\\" + row);
    ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog->m_hWnd, IDOK)));
    EXPECT_TRUE(dialog->IsEnded());
    EXPECT_EQ(IDOK, dialog->GetResult());
    EXPECT_EQ(expected, std::vector<std::wstring>(app.m_lstPickedPaths.begin(), app.m_lstPickedPaths.end()));
}

TEST_F(BrowseDlgTest, AddAtADriveRootPutsOneBackslash) {
    Open();
    ChooseDrive(L"U:");
    SelectRows({L"a.txt"});
    ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(std::list<std::wstring>{L"U:\\a.txt"}, app.m_lstPickedPaths);
}

TEST_F(BrowseDlgTest, CancelLeavesTheListEmptyAndTheImageListAlive) {
    app.m_lstPickedPaths = {L"U:\\earlier.txt"};
    Open();
    ChooseDrive(L"U:");
    SelectRows({L"a.txt"});
    ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(dialog->IsEnded());
    EXPECT_EQ(IDCANCEL, dialog->GetResult());
    EXPECT_TRUE(app.m_lstPickedPaths.empty());
    const int icons = ImageList_GetImageCount(systemList);
    dialog.reset();
    EXPECT_GT(icons, 0);
    EXPECT_EQ(icons, ImageList_GetImageCount(systemList));
}

TEST_F(BrowseDlgTest, ADriveThatCannotBeSearchedLeavesTheListEmptyAndTheFolderAsItWas) {
    Open();
    ChooseDrive(L"U:");
    SelectRows({L"Docs"});
    DoubleClick();
    // A letter no drive answers to stands for a drive that is not ready.
    dialog->m_cmbDrives.AddString(L"Q:");
    ChooseDrive(L"Q:");
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(L"U:\\Docs", dialog->m_strCurrentPath);
    EXPECT_EQ(L"U:\\Docs", EditText());
}

TEST_F(BrowseDlgTest, IsOwnedByTheApplicationsMainWindow) {
    testing_support::EmptyDialogTemplate mainTemplate;
    fw::CDialog mainDialog(0);
    ASSERT_TRUE(mainDialog.CreateIndirect(mainTemplate.Get()));
    app.m_pMainWnd = &mainDialog;
    Open();
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(mainDialog.m_hWnd, ::GetWindow(dialog->m_hWnd, GW_OWNER));
    dialog.reset();
}

TEST_F(BrowseDlgTest, EveryControlGetsTheWhiteBrush) {
    Open();
    for (UINT msg : {WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN}) {
        const auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(dialog->m_hWnd, msg, 0, 0));
        LOGBRUSH info{};
        ASSERT_TRUE(::GetObjectW(brush, sizeof(info), &info)) << msg;
        EXPECT_EQ(static_cast<COLORREF>(RGB(255, 255, 255)), info.lbColor);
    }
}

}  // namespace
