#include <gtest/gtest.h>

#include "FolderFixtures.h"
#include "dirvista/folders/FolderTreeIcons.h"
#include "dirvista/folders/FolderTreeView.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "support/DialogTemplate.h"
#include "support/Fixture.h"
#include "support/Pump.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using dirvista::CFolderTreeView;
using dirvista::GetItemPath;
using testing_support::FixtureTree;

constexpr UINT kTreeId = 1046;

class TreeHost : public fw::CDialog {
public:
    TreeHost() : fw::CDialog(0) {}
    CFolderTreeView tree;
    int expandingSeen = 0;
    int expandedSeen = 0;

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        static constexpr fw::Route routes[] = {
            fw::OnNotify<&TreeHost::OnExpanding>(kTreeId, TVN_ITEMEXPANDINGW),
            fw::OnNotify<&TreeHost::OnExpanded>(kTreeId, TVN_ITEMEXPANDEDW),
        };
        return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
               fw::CDialog::OnWndMsg(msg, wp, lp, result);
    }

private:
    void OnExpanding(NMHDR*, LRESULT*) { ++expandingSeen; }
    void OnExpanded(NMHDR*, LRESULT*) { ++expandedSeen; }
};

class FolderTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        ASSERT_TRUE(host.CreateIndirect(dialogTemplate.Get()));
        // The styles the viewer's dialog template gives the tree.
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | TVS_HASBUTTONS |
                            TVS_HASLINES | TVS_LINESATROOT | TVS_DISABLEDRAGDROP | TVS_NOTOOLTIPS |
                            TVS_TRACKSELECT | TVS_SINGLEEXPAND;
        HWND tree = ::CreateWindowExW(0, WC_TREEVIEWW, L"", style, 0, 0, 200, 300, host.m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTreeId)),
                                      nullptr, nullptr);
        ASSERT_TRUE(host.tree.SubclassWindow(tree));
    }
    void TearDown() override { ::DestroyWindow(host.m_hWnd); }

    void Focus() { ::SendMessageW(host.tree.m_hWnd, WM_SETFOCUS, 0, 0); }

    std::vector<HTREEITEM> Children(HTREEITEM item) const {
        std::vector<HTREEITEM> children;
        for (HTREEITEM child = host.tree.GetChildItem(item); child;
             child = host.tree.GetNextSiblingItem(child))
            children.push_back(child);
        return children;
    }
    std::vector<std::wstring> ChildNames(HTREEITEM item) const {
        std::vector<std::wstring> names;
        for (HTREEITEM child : Children(item)) names.push_back(host.tree.GetItemText(child));
        std::sort(names.begin(), names.end());  // the file system's order is not defined
        return names;
    }
    HTREEITEM Child(HTREEITEM item, const std::wstring& name) const {
        for (HTREEITEM child : Children(item))
            if (host.tree.GetItemText(child) == name) return child;
        return nullptr;
    }
    int Image(HTREEITEM item, int* selected = nullptr) const {
        TVITEMW tv{};
        tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
        tv.hItem = item;
        host.tree.SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        if (selected) *selected = tv.iSelectedImage;
        return tv.iImage;
    }

    testing_support::EmptyDialogTemplate dialogTemplate;
    TreeHost host;
};

TEST_F(FolderTreeTest, FirstFocusInsertsEveryDriveInLetterOrderWithItsIcon) {
    EXPECT_EQ(0u, host.tree.GetCount());
    Focus();
    std::vector<std::wstring> expected;
    const DWORD drives = ::GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit)
        if (drives & (1u << bit)) expected.push_back(std::wstring(1, static_cast<wchar_t>(L'A' + bit)) + L":\\");

    std::vector<std::wstring> roots;
    for (HTREEITEM root = host.tree.GetRootItem(); root; root = host.tree.GetNextSiblingItem(root)) {
        const std::wstring text = host.tree.GetItemText(root);
        roots.push_back(text);
        int selected = -1;
        EXPECT_EQ(dirvista::ImageForDriveType(::GetDriveTypeW(text.c_str())), Image(root, &selected)) << text;
        EXPECT_EQ(Image(root), selected);
    }
    EXPECT_EQ(expected, roots);

    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(host.tree.SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL));
    ASSERT_NE(nullptr, images);
    EXPECT_EQ(7, ImageList_GetImageCount(images));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);

    // Later focus changes read nothing again.
    const UINT count = host.tree.GetCount();
    Focus();
    EXPECT_EQ(count, host.tree.GetCount());
}

TEST(FolderTreeImages, DriveTypesMapToTheirPositions) {
    struct Case {
        UINT driveType;
        int image;
    };
    const Case cases[] = {{DRIVE_UNKNOWN, 0}, {DRIVE_NO_ROOT_DIR, 0}, {DRIVE_REMOVABLE, 4},
                          {DRIVE_FIXED, 2},   {DRIVE_REMOTE, 5},      {DRIVE_CDROM, 3},
                          {DRIVE_RAMDISK, 6}, {7, 0}};
    for (const Case& c : cases) EXPECT_EQ(c.image, dirvista::ImageForDriveType(c.driveType)) << c.driveType;
}

TEST(FolderTreeImages, StandInsWhereTheLibraryHasNoIcons) {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 16, 16);
    dirvista::AppendFolderTreeIcons(list, L"C:\\no-such-library.dll");
    EXPECT_EQ(7, ImageList_GetImageCount(list));
    ImageList_Destroy(list);
}

TEST(FolderTreePaths, ItemPathJoinsTextsAndDoublesTheSeparatorBelowADrive) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    testing_support::EmptyDialogTemplate dialogTemplate;
    TreeHost host;
    ASSERT_TRUE(host.CreateIndirect(dialogTemplate.Get()));
    HWND wnd = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD, 0, 0, 100, 100, host.m_hWnd,
                                 nullptr, nullptr, nullptr);
    fw::CTreeCtrl tree;
    ASSERT_TRUE(tree.SubclassWindow(wnd));
    HTREEITEM drive = tree.InsertItem(L"C:\\", 0, 0);
    HTREEITEM windows = tree.InsertItem(L"Windows", 0, 0, drive);
    HTREEITEM system32 = tree.InsertItem(L"System32", 0, 0, windows);
    EXPECT_EQ(L"C:\\", GetItemPath(tree, drive));
    EXPECT_EQ(L"C:\\\\Windows", GetItemPath(tree, windows));
    EXPECT_EQ(L"C:\\\\Windows\\System32", GetItemPath(tree, system32));
    EXPECT_EQ(L"", GetItemPath(tree, nullptr));
    ::DestroyWindow(host.m_hWnd);
}

// T:\ holds: withSub\inner, filesOnly\f, empty, shared\inner (held open by another handle
// that lets others read but not write), locked\inner (held open excluding everyone).
class FolderTreeOnDrive : public FolderTreeTest {
protected:
    void SetUp() override {
        FolderTreeTest::SetUp();
        drive.Folder(L"withSub\\inner");
        drive.File(L"filesOnly\\f", 3);
        drive.Folder(L"empty");
        drive.Folder(L"shared\\inner");
        drive.Folder(L"locked\\inner");
        sharedHold.Reset(::CreateFileW(drive.Path(L"shared").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        lockedHold.Reset(::CreateFileW(drive.Path(L"locked").c_str(), GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        ASSERT_TRUE(sharedHold);
        ASSERT_TRUE(lockedHold);
        Focus();
        for (HTREEITEM root = host.tree.GetRootItem(); root; root = host.tree.GetNextSiblingItem(root))
            if (host.tree.GetItemText(root) == L"T:\\") driveItem = root;
        ASSERT_NE(nullptr, driveItem);
    }

    FixtureTree drive{L'T'};
    fw::FileHandle sharedHold, lockedHold;
    HTREEITEM driveItem = nullptr;
};

TEST_F(FolderTreeOnDrive, OpeningAnItemReadsTheLevelBelowItsChildren) {
    const std::vector<std::wstring> firstLevel = {L"empty", L"filesOnly", L"locked", L"shared", L"withSub"};
    EXPECT_EQ(firstLevel, ChildNames(driveItem));
    EXPECT_EQ(L"T:\\\\withSub", GetItemPath(host.tree, Child(driveItem, L"withSub")));
    // Only one level below the drives is read at start.
    for (HTREEITEM child : Children(driveItem)) EXPECT_FALSE(host.tree.ItemHasChildren(child));

    host.tree.Expand(driveItem, TVE_EXPAND);
    // The tree handles its own expanding notification; the expanded one reaches the parent.
    EXPECT_EQ(0, host.expandingSeen);
    EXPECT_EQ(1, host.expandedSeen);
    EXPECT_EQ(firstLevel, ChildNames(driveItem));  // the opened item's own children stay

    struct Expect {
        const wchar_t* name;
        bool hasButton;
    };
    const Expect expectations[] = {{L"withSub", true},
                                   {L"filesOnly", false},
                                   {L"empty", false},
                                   {L"shared", true},  // read access is enough to list it
                                   {L"locked", false}};
    for (const Expect& e : expectations) {
        HTREEITEM item = Child(driveItem, e.name);
        EXPECT_EQ(e.hasButton, host.tree.ItemHasChildren(item) != FALSE) << e.name;
        EXPECT_EQ(e.hasButton ? std::vector<std::wstring>{L"inner"} : std::vector<std::wstring>{},
                  ChildNames(item)) << e.name;
        int selected = -1;
        EXPECT_EQ(dirvista::kImageFolder, Image(item, &selected));
        EXPECT_EQ(dirvista::kImageFolder, selected);
    }
    HTREEITEM inner = Child(Child(driveItem, L"withSub"), L"inner");
    EXPECT_EQ(L"T:\\\\withSub\\inner", GetItemPath(host.tree, inner));
}

TEST_F(FolderTreeOnDrive, AFolderCreatedLaterAppearsOnceItsParentIsOpenedAgain) {
    host.tree.SelectItem(driveItem);  // single-expand: selecting opens it
    HTREEITEM empty = Child(driveItem, L"empty");
    EXPECT_FALSE(host.tree.ItemHasChildren(empty));
    drive.Folder(L"empty\\new");

    // Selecting another drive closes T:\ and selecting T:\ opens it again; each re-reads.
    HTREEITEM other = host.tree.GetRootItem() == driveItem ? host.tree.GetNextSiblingItem(driveItem)
                                                           : host.tree.GetRootItem();
    host.tree.SelectItem(other);
    host.tree.SelectItem(driveItem);
    EXPECT_EQ(std::vector<std::wstring>{L"new"}, ChildNames(empty));
    // Re-reading replaces the grandchildren rather than adding to them.
    EXPECT_EQ(std::vector<std::wstring>{L"inner"}, ChildNames(Child(driveItem, L"withSub")));
    EXPECT_GE(host.expandedSeen, 2);
}

}  // namespace
