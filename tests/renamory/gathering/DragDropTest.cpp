#include <gtest/gtest.h>

#include "HandMadeDataObject.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "renamory/gathering/BeginDragFiles.h"
#include "renamory/gathering/DragDropGlobals.h"
#include "renamory/gathering/MyDropTarget.h"
#include "renamory/gathering/RowPathIndex.h"
#include "support/DialogTemplate.h"
#include "support/Fixture.h"
#include "support/Pump.h"

#include <string>
#include <vector>

namespace {

using gathering_test::HandMadeDataObject;
using gathering_test::MakeHdrop;

constexpr int kFileListId = 1000;

// The main dialog's file list as far as drag and drop sees it: a single-selection report
// list with the two columns, on a dialog the drop target is registered with.
class FileListHost : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
        HWND list = ::CreateWindowExW(0, WC_LISTVIEWW, L"",
                                      WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL,
                                      10, 10, 400, 150, dialog.m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFileListId)),
                                      nullptr, nullptr);
        ASSERT_TRUE(files.SubclassWindow(list));
        files.InsertColumn(0, L"Current Names", LVCFMT_LEFT, 270);
        files.InsertColumn(1, L"Modified Names", LVCFMT_LEFT, 270);
    }
    void TearDown() override {
        target.reset();
        ::DestroyWindow(dialog.m_hWnd);
        ::OleUninitialize();
    }

    std::vector<std::wstring> Rows() const {
        std::vector<std::wstring> rows;
        for (int i = 0; i < files.GetItemCount(); ++i) rows.push_back(files.GetItemText(i, 0));
        return rows;
    }
    void AddRows(const std::vector<std::wstring>& rows) {
        for (const auto& row : rows) files.InsertItem(files.GetItemCount(), row);
    }
    CMyDropTarget& Target() {
        if (!target) target = std::make_unique<CMyDropTarget>(&files);
        return *target;
    }
    // Drags `data` over the dialog and drops it, as OLE's loop calls a registered target.
    DWORD DragAndDrop(IDataObject* data, DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE) {
        IDropTarget* sink = Target().GetInterface();
        POINTL point{20, 20};
        DWORD effect = allowed;
        sink->DragEnter(data, MK_LBUTTON, point, &effect);
        effect = allowed;
        sink->DragOver(MK_LBUTTON, point, &effect);
        effect = allowed;
        sink->Drop(data, 0, point, &effect);
        return effect;
    }

    testing_support::EmptyDialogTemplate dialogTemplate{300, 200};
    fw::CDialog dialog{0};
    fw::CListCtrl files;
    std::unique_ptr<CMyDropTarget> target;
};

TEST_F(FileListHost, TheDialogItselfIsRegisteredOnce) {
    EXPECT_TRUE(Target().Register(dialog.m_hWnd));
    EXPECT_FALSE(Target().Register(dialog.m_hWnd));
    EXPECT_EQ(dialog.m_hWnd, Target().GetRegisteredWindow());
    // OLE refuses a second target for a window that is still registered.
    CMyDropTarget other(&files);
    EXPECT_FALSE(other.Register(dialog.m_hWnd));
}

TEST_F(FileListHost, FileDropsAreAcceptedAndTheListsOwnDragIsRefused) {
    struct Case {
        const char* name;
        bool hdrop;
        bool marker;
        bool text;
        DWORD effect;
    };
    const Case cases[] = {
        {"file drop", true, false, false, DROPEFFECT_COPY},
        {"file drop and text", true, false, true, DROPEFFECT_COPY},
        {"file drop from the list itself", true, true, false, DROPEFFECT_NONE},
        {"text only", false, false, true, DROPEFFECT_NONE},
        {"marker only", false, true, false, DROPEFFECT_NONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        files.DeleteAllItems();
        HandMadeDataObject data;
        if (c.hdrop) data.Offer(CF_HDROP, MakeHdrop({L"C:\\windows\\win.ini"}));
        if (c.marker) data.Offer(g_cfInternalDrag, ::GlobalAlloc(GHND, 1));
        if (c.text) data.Offer(CF_UNICODETEXT, ::GlobalAlloc(GHND, 4));

        IDropTarget* sink = Target().GetInterface();
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        sink->DragEnter(&data, 0, POINTL{5, 5}, &effect);
        EXPECT_EQ(c.effect, effect);
        effect = DROPEFFECT_MOVE;  // the key state and the offered effects do not matter
        sink->DragOver(MK_CONTROL | MK_SHIFT, POINTL{6, 6}, &effect);
        EXPECT_EQ(c.effect, effect);
        sink->DragLeave();

        EXPECT_EQ(c.effect, DragAndDrop(&data));
        EXPECT_EQ(c.effect == DROPEFFECT_COPY ? 1 : 0, files.GetItemCount());
    }
}

TEST_F(FileListHost, DropsAppendInDropOrderAndSkipListedPathsWhateverTheirCase) {
    struct Case {
        const char* name;
        std::vector<std::wstring> listed;
        std::vector<std::wstring> dropped;
        std::vector<std::wstring> rows;
    };
    const Case cases[] = {
        {"onto an empty list", {}, {L"C:\\a.txt", L"C:\\b.txt"}, {L"C:\\a.txt", L"C:\\b.txt"}},
        {"the same path twice", {}, {L"C:\\a.txt", L"C:\\a.txt"}, {L"C:\\a.txt"}},
        {"differing only in case", {L"C:\\Data\\Report.TXT"}, {L"c:\\data\\report.txt"},
         {L"C:\\Data\\Report.TXT"}},
        {"accented letters in another case", {L"C:\\\u00c9t\u00e9.txt"}, {L"c:\\\u00e9T\u00c9.TXT"},
         {L"C:\\\u00c9t\u00e9.txt"}},
        {"several, one already listed", {L"C:\\z.txt", L"C:\\b.txt"},
         {L"C:\\a.txt", L"C:\\B.txt", L"C:\\c.txt"},
         {L"C:\\z.txt", L"C:\\b.txt", L"C:\\a.txt", L"C:\\c.txt"}},
        {"a longer name is not a duplicate", {L"C:\\a.txt"}, {L"C:\\a.txt2", L"C:\\a.tx"},
         {L"C:\\a.txt", L"C:\\a.txt2", L"C:\\a.tx"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        files.DeleteAllItems();
        AddRows(c.listed);
        HandMadeDataObject data;
        data.Offer(CF_HDROP, MakeHdrop(c.dropped));
        EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), DragAndDrop(&data));
        EXPECT_EQ(c.rows, Rows());
        // Column 1 of new rows is empty, and rows carry no item data.
        for (int i = 0; i < files.GetItemCount(); ++i) {
            EXPECT_EQ(L"", files.GetItemText(i, 1));
            EXPECT_EQ(0, files.GetItemData(i));
        }
    }
}

TEST_F(FileListHost, AFolderBecomesOneRowAndTheListScrollsToItsLastRow) {
    testing_support::FixtureTree tree;
    const std::wstring folder = tree.Folder(L"photos");
    tree.File(L"photos\\inside.jpg", 3);
    std::vector<std::wstring> many;
    for (int i = 0; i < 60; ++i) many.push_back(L"C:\\listed\\" + std::to_wstring(i));
    AddRows(many);

    HandMadeDataObject data;
    data.Offer(CF_HDROP, MakeHdrop({folder}));
    ASSERT_TRUE(Target().AddDroppedFiles(&data));
    ASSERT_EQ(61, files.GetItemCount());
    EXPECT_EQ(folder, files.GetItemText(60, 0));
    const int top = static_cast<int>(files.SendMessage(LVM_GETTOPINDEX));
    const int perPage = static_cast<int>(files.SendMessage(LVM_GETCOUNTPERPAGE));
    EXPECT_GT(top, 0);
    EXPECT_GE(top + perPage, 61);
}

// Wine's shell does not report SFGAO_GHOSTED for hidden files, so the shell's answer is
// supplied here: what matters is what the drop does with it.
DWORD_PTR GhostedWhenHidden(const wchar_t* path, DWORD, SHFILEINFOW* info, UINT, UINT flags) {
    EXPECT_EQ(static_cast<UINT>(SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME), flags);
    *info = SHFILEINFOW{};
    info->iIcon = 7;
    if (std::wstring(path).find(L"hidden") != std::wstring::npos) info->dwAttributes = SFGAO_GHOSTED;
    return 1;
}

TEST_F(FileListHost, AGhostedItemIsShownCutAndRowsKeepTheirIconIndex) {
    Target().m_pfnGetFileInfo = &GhostedWhenHidden;
    HandMadeDataObject data;
    data.Offer(CF_HDROP, MakeHdrop({L"C:\\plain.txt", L"C:\\hidden.txt"}));
    ASSERT_TRUE(Target().AddDroppedFiles(&data));
    ASSERT_EQ(2, files.GetItemCount());
    EXPECT_EQ(0u, files.GetItemState(0, LVIS_CUT));
    EXPECT_EQ(static_cast<UINT>(LVIS_CUT), files.GetItemState(1, LVIS_CUT));
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 1;
    files.SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(7, item.iImage);
}

TEST_F(FileListHost, LongPathsAreCutTo259CharactersBeforeTheyAreCompared) {
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'n');
    const std::wstring sameStart = longPath.substr(0, 259) + L"different tail";
    HandMadeDataObject data;
    data.Offer(CF_HDROP, MakeHdrop({longPath, sameStart}));
    ASSERT_TRUE(Target().AddDroppedFiles(&data));
    ASSERT_EQ(1, files.GetItemCount());
    EXPECT_EQ(longPath.substr(0, 259), files.GetItemText(0, 0));
}

TEST_F(FileListHost, DataWithoutAFileDropAddsNothing) {
    HandMadeDataObject data;
    data.Offer(CF_UNICODETEXT, ::GlobalAlloc(GHND, 4));
    EXPECT_FALSE(Target().AddDroppedFiles(&data));
    EXPECT_EQ(0, files.GetItemCount());
}

// The index replaces the list view's own search; it must give the same answers.
TEST_F(FileListHost, TheCaseBlindIndexAgreesWithTheListViewsSearch) {
    const std::vector<std::wstring> rows = {
        L"C:\\Data\\Report.TXT", L"C:\\\u00c9t\u00e9\\\u00c5se.doc", L"C:\\stra\u00dfe.txt",
        L"C:\\\u0391\u03b8\u03ae\u03bd\u03b1.txt", L"C:\\a b.txt", L"C:\\I.txt"};
    AddRows(rows);
    const std::vector<std::wstring> probes = {
        L"c:\\data\\report.txt", L"C:\\DATA\\REPORT.TXT", L"C:\\Data\\Report.TXT ", L"C:\\Data\\Repor.TXT",
        L"c:\\\u00e9t\u00c9\\\u00e5SE.DOC", L"C:\\ete\\Ase.doc", L"C:\\STRASSE.TXT", L"C:\\STRA\u00dfE.TXT",
        L"c:\\\u03b1\u03b8\u0397\u039d\u0391.TXT", L"C:\\A B.TXT", L"C:\\AB.txt", L"c:\\i.TXT",
        L"C:\\\u0131.txt", L""};
    CRowPathIndex index(files, CRowPathIndex::Comparison::IgnoreCase);
    CRowPathIndex exact(files, CRowPathIndex::Comparison::Exact);
    for (const std::wstring& probe : probes) {
        LVFINDINFOW find{};
        find.flags = LVFI_STRING;
        find.psz = probe.c_str();
        const bool listViewFinds =
            files.SendMessage(LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)) != -1;
        EXPECT_EQ(listViewFinds, index.Contains(probe)) << "probe #" << (&probe - probes.data());
        bool exactly = false;
        for (const auto& row : rows) exactly = exactly || row == probe;
        EXPECT_EQ(exactly, exact.Contains(probe)) << "probe #" << (&probe - probes.data());
    }
}

// --- dragging rows out ---

std::vector<unsigned char> Bytes(HGLOBAL block) {
    fw::GlobalLockGuard lock(block);
    const auto* p = static_cast<const unsigned char*>(lock.Get());
    return std::vector<unsigned char>(p, p + ::GlobalSize(block));
}

std::vector<unsigned char> ExpectedDropBlock(const std::vector<std::wstring>& paths) {
    std::vector<unsigned char> bytes = {20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    for (const auto& path : paths) {
        for (wchar_t c : path) {
            bytes.push_back(static_cast<unsigned char>(c & 0xFF));
            bytes.push_back(static_cast<unsigned char>(c >> 8));
        }
        bytes.push_back(0);
        bytes.push_back(0);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

TEST(DropFilesBlock, IsTheHeaderThenEachWidePathWithItsZeroThenOneMoreZero) {
    const std::vector<std::vector<std::wstring>> cases = {
        {L"C:\\a.txt"},
        {L"C:\\Data\\one.txt", L"D:\\\u00e9\u20ac.doc"},
        {},
    };
    for (const auto& paths : cases) {
        fw::GlobalHandle block = BuildDropFilesBlock(paths);
        ASSERT_TRUE(block);
        EXPECT_EQ(ExpectedDropBlock(paths), Bytes(block.Get()));
        EXPECT_NE(0u, ::GlobalFlags(block.Get()) & GMEM_DDESHARE);
    }
}

TEST_F(FileListHost, BeginDragOffersTheSelectedPathAndTheMarker) {
    AddRows({L"C:\\first.txt", L"C:\\Data\\second file.txt", L"C:\\third.txt"});
    files.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);

    std::vector<unsigned char> offered;
    SIZE_T markerSize = 0;
    fw::DropEffect allowedSeen = 0;
    auto loop = [&](fw::COleDataSource& source, fw::DropEffect allowed) -> fw::DropEffect {
        allowedSeen = allowed;
        IDataObject* data = source.GetInterface();
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (SUCCEEDED(data->GetData(&format, &medium))) {
            offered = Bytes(medium.hGlobal);
            ::ReleaseStgMedium(&medium);
        }
        format.cfFormat = g_cfInternalDrag;
        if (SUCCEEDED(data->GetData(&format, &medium))) {
            markerSize = ::GlobalSize(medium.hGlobal);
            ::ReleaseStgMedium(&medium);
        }
        return DROPEFFECT_NONE;
    };
    NMLISTVIEW begin{};
    begin.hdr.hwndFrom = files.m_hWnd;
    begin.hdr.idFrom = kFileListId;
    begin.hdr.code = LVN_BEGINDRAG;
    begin.iItem = 1;
    LRESULT result = 99;
    OnBeginDragFiles(files, &begin, &result, loop);
    EXPECT_EQ(0, result);
    EXPECT_EQ(static_cast<fw::DropEffect>(DROPEFFECT_COPY | DROPEFFECT_MOVE), allowedSeen);
    EXPECT_EQ(ExpectedDropBlock({L"C:\\Data\\second file.txt"}), offered);
    EXPECT_EQ(1u, markerSize);
}

TEST_F(FileListHost, TheDragsEffectDecidesWhetherTheRowLeaves) {
    testing_support::FixtureTree tree;
    const std::wstring present = tree.File(L"present.txt", 1);
    const std::wstring gone = tree.Path(L"gone.txt");
    const std::wstring folderGone = tree.Path(L"no such folder\\gone.txt");
    struct Case {
        const char* name;
        fw::DropEffect effect;
        std::wstring path;
        bool isNT;
        bool leaves;
    };
    const Case cases[] = {
        {"copied", DROPEFFECT_COPY, present, true, true},
        {"moved", DROPEFFECT_MOVE, present, true, true},
        {"no effect, the file is still there", DROPEFFECT_NONE, present, true, false},
        {"no effect, the file is gone", DROPEFFECT_NONE, gone, true, true},
        {"no effect, a folder on the way is gone", DROPEFFECT_NONE, folderGone, true, false},
        {"no effect, file gone, not NT", DROPEFFECT_NONE, gone, false, false},
        {"linked", DROPEFFECT_LINK, gone, true, false},
    };
    const bool wasNT = g_bIsNT;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        files.DeleteAllItems();
        AddRows({L"C:\\above.txt", c.path, L"C:\\below.txt"});
        files.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        g_bIsNT = c.isNT;
        LRESULT result = 99;
        OnBeginDragFiles(files, nullptr, &result, [&](fw::COleDataSource&, fw::DropEffect) { return c.effect; });
        g_bIsNT = wasNT;
        const std::vector<std::wstring> expected =
            c.leaves ? std::vector<std::wstring>{L"C:\\above.txt", L"C:\\below.txt"}
                     : std::vector<std::wstring>{L"C:\\above.txt", c.path, L"C:\\below.txt"};
        EXPECT_EQ(expected, Rows());
        EXPECT_EQ(0, result);
    }
}

TEST_F(FileListHost, EveryLeavingSelectedRowGoesWhenSeveralAreSelected) {
    // The main dialog's list allows one selection; the walk still copes with several.
    files.ModifyStyle(LVS_SINGLESEL, 0);
    AddRows({L"C:\\0", L"C:\\1", L"C:\\2", L"C:\\3"});
    for (int row : {0, 1, 3}) files.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<unsigned char> offered;
    OnBeginDragFiles(files, nullptr, nullptr, [&](fw::COleDataSource& source, fw::DropEffect) {
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (SUCCEEDED(source.GetInterface()->GetData(&format, &medium))) {
            offered = Bytes(medium.hGlobal);
            ::ReleaseStgMedium(&medium);
        }
        return static_cast<fw::DropEffect>(DROPEFFECT_MOVE);
    });
    EXPECT_EQ(ExpectedDropBlock({L"C:\\0", L"C:\\1", L"C:\\3"}), offered);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\2"}, Rows());
}

// With the platform's own drag loop: a row dropped back onto its own dialog is refused, the
// file still exists, so the row stays.
class CountingDropTarget : public CMyDropTarget {
public:
    using CMyDropTarget::CMyDropTarget;
    int enters = 0;
    fw::DropEffect OnDragEnter(HWND wnd, IDataObject* data, DWORD keys, POINT point) override {
        ++enters;
        return CMyDropTarget::OnDragEnter(wnd, data, keys, point);
    }
};

TEST_F(FileListHost, ARowDroppedBackOntoItsOwnDialogIsRefusedAndStays) {
    testing_support::FixtureTree tree;
    const std::wstring file = tree.File(L"stay.txt", 1);
    CountingDropTarget own(&files);
    ASSERT_TRUE(own.Register(dialog.m_hWnd));
    // Above the windows other tests (run alongside) may show where the cursor goes.
    ::SetWindowPos(dialog.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RECT r{};
    ::GetWindowRect(files.m_hWnd, &r);
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::SetCursorPos(centre.x, centre.y);
    ASSERT_EQ(dialog.m_hWnd, ::GetAncestor(::WindowFromPoint(centre), GA_ROOT));
    AddRows({file});
    files.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);

    fw::DropEffect effect = 99;
    OnBeginDragFiles(files, nullptr, nullptr, [&](fw::COleDataSource& source, fw::DropEffect allowed) {
        effect = RunPlatformDragLoop(source, allowed);
        return effect;
    });
    EXPECT_EQ(1, own.enters);
    EXPECT_EQ(static_cast<fw::DropEffect>(DROPEFFECT_NONE), effect);
    EXPECT_EQ(std::vector<std::wstring>{file}, Rows());
    own.Revoke();
}

}  // namespace
