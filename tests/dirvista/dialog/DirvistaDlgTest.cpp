#include <gtest/gtest.h>

#include "dirvista/DirvistaDlg.h"
#include "dirvista/pie/SliceColors.h"
#include "dirvista/scan/ScanLock.h"
#include "dirvista/scan/ScanWorker.h"
#include "support/WindowGeometry.h"
#include "support/Canvas.h"
#include "support/Fixture.h"
#include "support/MessageBoxRecorder.h"
#include "support/Pump.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

using dirvista::ScanWorker;
using dirvista::SliceColor;
using testing_support::FixtureTree;
using testing_support::MessageBoxRecorder;
using testing_support::PumpUntil;
using testing_support::ControlRect;
using testing_support::SetClientSize;

constexpr wchar_t kCloseQuestion[] =
    L"Load Folder Information process is in progress!\nAre you sure you want to abort and close the application?";

// Holds every scan walk at its first directory until opened (or until the scan is asked to
// stop), so that "during a scan" is a state the test controls.
class WalkGate {
public:
    WalkGate()
        : m_open(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_entered(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        m_previous = ScanWorker::ReplaceEnterDirectoryHook(
            [this](const wchar_t* path, HANDLE stopRequested) {
                {
                    std::lock_guard<std::mutex> guard(m_mutex);
                    m_paths.emplace_back(path);
                    if (::WaitForSingleObject(stopRequested, 0) == WAIT_OBJECT_0) ++m_afterStop;
                }
                ::SetEvent(m_entered.Get());
                const HANDLE wake[] = {m_open.Get(), stopRequested};
                // The bound only keeps a broken test from hanging the run.
                ::WaitForMultipleObjects(2, wake, FALSE, 60000);
            });
    }
    ~WalkGate() {
        Open();
        ScanWorker::ReplaceEnterDirectoryHook(std::move(m_previous));
    }
    void Open() { ::SetEvent(m_open.Get()); }
    bool WaitUntilEntered() {
        return PumpUntil([this] { return ::WaitForSingleObject(m_entered.Get(), 0) == WAIT_OBJECT_0; });
    }
    std::vector<std::wstring> Paths() {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_paths;
    }
    int EnteredAfterStop() {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_afterStop;
    }

private:
    fw::KernelHandle m_open;
    fw::KernelHandle m_entered;
    std::mutex m_mutex;
    std::vector<std::wstring> m_paths;
    int m_afterStop = 0;
    ScanWorker::EnterDirectoryHook m_previous;
};

struct Slice {
    COLORREF colour;
    ULONGLONG size;
    std::wstring label;
};

// The pie's slices in the order they were added (the list keeps the newest first).
std::vector<Slice> SlicesInScanOrder(dirvista::CPieView& pie) {
    std::vector<Slice> slices;
    auto traversal = pie.m_slices.Lock();
    for (const dirvista::SliceNode* node = traversal.Head(); node; node = node->m_pNext)
        slices.push_back({node->m_colour, node->m_size, node->m_pLabel ? *node->m_pLabel : L""});
    std::reverse(slices.begin(), slices.end());
    return slices;
}

std::vector<std::wstring> ChildPaths(CDirvistaDlg& dlg, HTREEITEM item) {
    std::vector<std::wstring> paths;
    for (HTREEITEM child = dlg.Tree().GetChildItem(item); child; child = dlg.Tree().GetNextSiblingItem(child))
        paths.push_back(dirvista::GetItemPath(dlg.Tree(), child));
    return paths;
}

std::vector<std::wstring> Column(CDirvistaDlg& dlg, int column) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < dlg.List().GetItemCount(); ++i) texts.push_back(dlg.List().GetItemText(i, column));
    return texts;
}

int RowImage(CDirvistaDlg& dlg, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    dlg.List().SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

// The colour an image of the row image list paints.
COLORREF ImageColour(HIMAGELIST images, int index) {
    testing_support::Canvas canvas(16, 16, RGB(255, 255, 255));
    ::ImageList_Draw(images, index, canvas.Dc(), 0, 0, ILD_NORMAL);
    return canvas.Pixel(8, 8);
}

// Posts a left click (press and release) at a client point of a window and handles it.
void Click(HWND wnd, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    ::PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(wnd, WM_LBUTTONUP, 0, where);
    testing_support::PumpPending();
}

void ClickRow(CDirvistaDlg& dlg, int row) {
    RECT rect{};
    rect.left = LVIR_LABEL;
    dlg.List().SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    Click(dlg.List().m_hWnd, {rect.left + 4, (rect.top + rect.bottom) / 2});
}

void ClickHeader(CDirvistaDlg& dlg, int column) {
    HWND header = dlg.List().GetHeaderCtrl();
    RECT rect{};
    ::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
    Click(header, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

bool ScanLockIsFree() {
    fw::KernelHandle lock(::CreateMutexW(nullptr, FALSE, dirvista::kScanLockName));
    return lock && ::GetLastError() != ERROR_ALREADY_EXISTS;
}

// The viewer's window over a fixture on drive T:. The fixture is made before the window,
// because the tree reads the drives and their first level once, when first focused.
// The colour the list shows on screen at the centre of a row's icon. (Painting into a
// memory DC would not do: the list paints its rows there even while it is not redrawing.)
COLORREF DrawnRowIconColour(CDirvistaDlg& dialog, int row) {
    HWND list = dialog.List().m_hWnd;
    // Above the windows of tests that run alongside.
    ::SetWindowPos(dialog.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::UpdateWindow(list);
    RECT icon{};
    icon.left = LVIR_ICON;
    if (!::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&icon)))
        return CLR_INVALID;
    HDC dc = ::GetDC(list);
    const COLORREF colour = ::GetPixel(dc, (icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
    ::ReleaseDC(list, dc);
    return colour;
}

class DirvistaDlgTest : public ::testing::Test {
protected:
    void TearDown() override { dlg.reset(); }

    void MakeWindow() {
        dlg = std::make_unique<CDirvistaDlg>();
        ASSERT_TRUE(dlg->Create());
    }
    HTREEITEM Open(const std::wstring& path) {
        HTREEITEM item = dlg->OpenFolder(path);
        EXPECT_NE(item, nullptr) << "not in the tree";
        return item;
    }
    HTREEITEM OpenAndWait(const std::wstring& path) {
        HTREEITEM item = Open(path);
        EXPECT_TRUE(PumpUntil([this] { return !dlg->IsScanning(); }, 60000));
        return item;
    }
    void ExpectIdle() {
        EXPECT_TRUE(dlg->Tree().IsWindowEnabled());
        EXPECT_TRUE(dlg->List().IsWindowEnabled());
        EXPECT_FALSE(dlg->Progress().IsWindowVisible());
        EXPECT_FALSE(dirvista::IsScanMarkerPresent());
        EXPECT_TRUE(ScanLockIsFree());
    }
    void ExpectScanning() {
        EXPECT_FALSE(dlg->Tree().IsWindowEnabled());
        EXPECT_FALSE(dlg->List().IsWindowEnabled());
        EXPECT_TRUE(dlg->Progress().IsWindowVisible());
        EXPECT_TRUE(dirvista::IsScanMarkerPresent());
    }

    FixtureTree drive{L'T'};
    std::unique_ptr<CDirvistaDlg> dlg;
};

TEST_F(DirvistaDlgTest, ThreeSubfoldersGiveSlicesAndRowsInTreeOrder) {
    drive.File(L"one\\f", 1024);
    drive.Folder(L"one\\empty");
    drive.File(L"two\\f", 2047);
    drive.Folder(L"zero");
    MakeWindow();
    HTREEITEM root = OpenAndWait(L"T:\\");
    ExpectIdle();
    EXPECT_EQ(dlg->GetExpandedItem(), root);
    // One step of 10 per direct subfolder of each measured folder, in both passes.
    EXPECT_EQ(dlg->Progress().GetPos(), 20);

    const std::map<std::wstring, std::pair<ULONGLONG, std::wstring>> expected = {
        {L"T:\\\\one", {1024, L"1"}}, {L"T:\\\\two", {2047, L"1"}}, {L"T:\\\\zero", {0, L"0"}}};
    const std::vector<std::wstring> order = ChildPaths(*dlg, root);
    ASSERT_EQ(order.size(), 3u);

    const std::vector<Slice> slices = SlicesInScanOrder(dlg->Pie());
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(Column(*dlg, 0), order);
    ASSERT_EQ(dlg->Rows().size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(order[i]);
        const auto& [bytes, kilobytes] = expected.at(order[i]);
        EXPECT_EQ(slices[i].label, order[i]);
        EXPECT_EQ(slices[i].colour, SliceColor(i));
        // The pie draws a zero size as 1; the measured size itself is kept otherwise.
        EXPECT_EQ(slices[i].size, bytes == 0 ? 1u : bytes);
        EXPECT_EQ(dlg->List().GetItemText(static_cast<int>(i), 1), kilobytes);
        EXPECT_EQ(RowImage(*dlg, static_cast<int>(i)), static_cast<int>(i));
        EXPECT_EQ(ImageColour(dlg->RowImages(), static_cast<int>(i)), SliceColor(i));
        const auto* row = reinterpret_cast<const dirvista::FolderRow*>(dlg->List().GetItemData(static_cast<int>(i)));
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->m_pszPath.get(), order[i].c_str());
        EXPECT_EQ(row->m_sizeKB, bytes >> 10);
    }
}

TEST_F(DirvistaDlgTest, SeventeenthSubfolderRepeatsTheFirstColourAndEachScanStartsTheIconsAfresh) {
    for (int i = 0; i < 17; ++i) drive.Folder(L"many\\" + std::to_wstring(100 + i));
    drive.Folder(L"two\\a");
    drive.Folder(L"two\\b");
    MakeWindow();
    OpenAndWait(L"T:\\many");
    const std::vector<Slice> slices = SlicesInScanOrder(dlg->Pie());
    ASSERT_EQ(slices.size(), 17u);
    EXPECT_EQ(slices[16].colour, slices[0].colour);
    EXPECT_EQ(slices[16].colour, RGB(0, 64, 128));
    EXPECT_EQ(ImageColour(dlg->RowImages(), RowImage(*dlg, 16)), RGB(0, 64, 128));

    // A later scan of fewer folders: the icons are those of this scan only.
    OpenAndWait(L"T:\\two");
    ASSERT_EQ(dlg->List().GetItemCount(), 2);
    EXPECT_EQ(::ImageList_GetImageCount(dlg->RowImages()), 2);
    EXPECT_EQ(dlg->Rows().size(), 2u);
    EXPECT_EQ(SlicesInScanOrder(dlg->Pie()).size(), 2u);
}

TEST_F(DirvistaDlgTest, FiveThousandSubfoldersGiveFiveThousandRows) {
    constexpr int kCount = 5000;
    drive.Folder(L"big");
    for (int i = 0; i < kCount; ++i) {
        const std::wstring path = drive.Path(L"big\\" + std::to_wstring(i));
        ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr));
    }
    drive.File(L"big\\4999\\f", 3072);
    MakeWindow();
    OpenAndWait(L"T:\\big");
    ExpectIdle();
    ASSERT_EQ(dlg->List().GetItemCount(), kCount);
    EXPECT_EQ(dlg->Rows().size(), static_cast<size_t>(kCount));
    EXPECT_EQ(::ImageList_GetImageCount(dlg->RowImages()), kCount);
    EXPECT_EQ(SlicesInScanOrder(dlg->Pie()).size(), static_cast<size_t>(kCount));
    EXPECT_EQ(RowImage(*dlg, kCount - 1), kCount - 1);
    const std::vector<std::wstring> paths = Column(*dlg, 0);
    const auto last = std::find(paths.begin(), paths.end(), L"T:\\\\big\\4999");
    ASSERT_NE(last, paths.end());
    EXPECT_EQ(dlg->List().GetItemText(static_cast<int>(last - paths.begin()), 1), L"3");
    // The rows went in without the list drawing each; at the end it draws them.
    EXPECT_EQ(DrawnRowIconColour(*dlg, 0), SliceColor(0));
}

TEST_F(DirvistaDlgTest, HeaderClicksSortAndTheDirectionAlternatesOverAllClicks) {
    drive.File(L"b\\f", 3 * 1024);
    drive.File(L"A\\f", 1 * 1024);
    drive.File(L"c\\f", 2 * 1024);
    MakeWindow();
    OpenAndWait(L"T:\\");

    ClickHeader(*dlg, 0);  // "Folder", ascending, ignoring case
    EXPECT_EQ(Column(*dlg, 0), (std::vector<std::wstring>{L"T:\\\\A", L"T:\\\\b", L"T:\\\\c"}));
    ClickHeader(*dlg, 1);  // "Size (KBytes)", descending
    EXPECT_EQ(Column(*dlg, 1), (std::vector<std::wstring>{L"3", L"2", L"1"}));
    ClickHeader(*dlg, 1);  // the same column again: ascending
    EXPECT_EQ(Column(*dlg, 1), (std::vector<std::wstring>{L"1", L"2", L"3"}));
    ClickHeader(*dlg, 0);  // descending
    EXPECT_EQ(Column(*dlg, 0), (std::vector<std::wstring>{L"T:\\\\c", L"T:\\\\b", L"T:\\\\A"}));
}

TEST_F(DirvistaDlgTest, ClickOnARowScansThatSubfolderAndBelowTheRowsNothing) {
    drive.File(L"a\\x\\f", 2048);
    drive.Folder(L"a\\y");
    drive.Folder(L"b");
    MakeWindow();
    HTREEITEM root = OpenAndWait(L"T:\\");
    const std::vector<std::wstring> before = Column(*dlg, 0);
    ASSERT_EQ(before.size(), 2u);

    // Below the last row: nothing starts and nothing changes.
    RECT last{};
    last.left = LVIR_BOUNDS;
    dlg->List().SendMessage(LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&last));
    Click(dlg->List().m_hWnd, {last.left + 4, last.bottom + 10});
    EXPECT_FALSE(dlg->IsScanning());
    EXPECT_EQ(Column(*dlg, 0), before);
    EXPECT_EQ(dlg->GetExpandedItem(), root);

    const int rowOfA = static_cast<int>(std::find(before.begin(), before.end(), L"T:\\\\a") - before.begin());
    ClickRow(*dlg, rowOfA);
    ASSERT_TRUE(PumpUntil([this] { return !dlg->IsScanning(); }, 60000));
    std::vector<std::wstring> rows = Column(*dlg, 0);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::wstring>{L"T:\\\\a\\x", L"T:\\\\a\\y"}));
    EXPECT_EQ(dirvista::GetItemPath(dlg->Tree(), dlg->GetExpandedItem()), L"T:\\\\a");
    ExpectIdle();
}

TEST_F(DirvistaDlgTest, SecondExpansionDuringAScanChangesNothing) {
    drive.File(L"a\\x\\f", 5000);
    drive.File(L"b\\y\\f", 7000);
    WalkGate gate;
    MakeWindow();
    HTREEITEM root = Open(L"T:\\");
    ASSERT_TRUE(gate.WaitUntilEntered());
    ExpectScanning();

    HTREEITEM b = nullptr;
    for (HTREEITEM child = dlg->Tree().GetChildItem(root); child; child = dlg->Tree().GetNextSiblingItem(child))
        if (dlg->Tree().GetItemText(child) == L"b") b = child;
    ASSERT_NE(b, nullptr);
    dlg->Tree().Expand(b, TVE_EXPAND);
    // The second worker finds the lock taken and ends; the first is still held.
    ASSERT_TRUE(PumpUntil([this] { return dlg->PendingScanCount() == 1; }));
    ExpectScanning();

    gate.Open();
    ASSERT_TRUE(PumpUntil([this] { return !dlg->IsScanning(); }, 60000));
    ExpectIdle();
    EXPECT_EQ(dlg->GetExpandedItem(), root);
    std::vector<std::wstring> rows = Column(*dlg, 0);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::wstring>{L"T:\\\\a", L"T:\\\\b"}));
    // Each folder of the first scan is entered once per pass; a scan of b would have entered
    // b's subfolder twice more.
    std::map<std::wstring, int> entered;
    for (const std::wstring& path : gate.Paths()) ++entered[path];
    EXPECT_EQ(entered, (std::map<std::wstring, int>{
                           {L"T:\\\\a", 2}, {L"T:\\\\a\\x", 2}, {L"T:\\\\b", 2}, {L"T:\\\\b\\y", 2}}));
}

TEST_F(DirvistaDlgTest, CloseWithoutAScanEndsWithoutAQuestion) {
    drive.Folder(L"a");
    struct Case {
        const char* name;
        UINT msg;
        WPARAM wp;
    };
    for (const Case& c : {Case{"close command", WM_SYSCOMMAND, SC_CLOSE}, Case{"WM_CLOSE", WM_CLOSE, 0}}) {
        SCOPED_TRACE(c.name);
        MessageBoxRecorder boxes(IDNO);
        MakeWindow();
        dlg->SendMessage(c.msg, c.wp);
        EXPECT_TRUE(dlg->IsEnded());
        EXPECT_EQ(dlg->GetResult(), 1);
        EXPECT_TRUE(boxes.Calls().empty());
        dlg.reset();
    }
}

struct CloseCase {
    const char* name;
    UINT msg;
    WPARAM wp;
};

class DirvistaCloseDuringScanTest : public DirvistaDlgTest,
                                    public ::testing::WithParamInterface<CloseCase> {};

TEST_P(DirvistaCloseDuringScanTest, NoLeavesTheScanRunning) {
    drive.File(L"a\\x\\f", 5000);
    drive.Folder(L"b");
    WalkGate gate;
    MessageBoxRecorder boxes(IDNO);
    MakeWindow();
    Open(L"T:\\");
    ASSERT_TRUE(gate.WaitUntilEntered());

    dlg->SendMessage(GetParam().msg, GetParam().wp);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, kCloseQuestion);
    EXPECT_EQ(boxes.Calls()[0].caption, L"Orvana Dirvista");
    EXPECT_EQ(boxes.Calls()[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_FALSE(dlg->IsEnded());
    ExpectScanning();

    gate.Open();
    ASSERT_TRUE(PumpUntil([this] { return !dlg->IsScanning(); }, 60000));
    ExpectIdle();
    EXPECT_EQ(dlg->List().GetItemCount(), 2);
    EXPECT_FALSE(dlg->IsEnded());
}

TEST_P(DirvistaCloseDuringScanTest, YesClosesAtOnceAndTheWorkerStopsOnItsOwn) {
    drive.File(L"a\\x\\f", 5000);
    drive.File(L"b\\y\\f", 5000);
    WalkGate gate;  // never opened: only the stop request lets the walk go on
    MessageBoxRecorder boxes(IDYES);
    MakeWindow();
    Open(L"T:\\");
    ASSERT_TRUE(gate.WaitUntilEntered());

    dlg->SendMessage(GetParam().msg, GetParam().wp);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, kCloseQuestion);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->GetResult(), 1);

    // The worker lets go of the marker and the lock by itself, well before the gate's bound.
    EXPECT_TRUE(PumpUntil([this] { return !dlg->IsScanning(); }, 5000));
    EXPECT_FALSE(dirvista::IsScanMarkerPresent());
    EXPECT_TRUE(ScanLockIsFree());
    EXPECT_EQ(gate.EnteredAfterStop(), 0);
    EXPECT_EQ(dlg->List().GetItemCount(), 0);
    dlg.reset();
}

TEST_P(DirvistaCloseDuringScanTest, DestroyingTheWindowObjectMidScanWaitsForTheWorker) {
    drive.File(L"a\\x\\f", 5000);
    WalkGate gate;
    MessageBoxRecorder boxes(IDYES);
    MakeWindow();
    Open(L"T:\\");
    ASSERT_TRUE(gate.WaitUntilEntered());
    dlg->SendMessage(GetParam().msg, GetParam().wp);
    dlg.reset();  // at once: the worker is still in the walk
    EXPECT_FALSE(dirvista::IsScanMarkerPresent());
    EXPECT_TRUE(ScanLockIsFree());
}

INSTANTIATE_TEST_SUITE_P(Close, DirvistaCloseDuringScanTest,
                         ::testing::Values(CloseCase{"CloseCommand", WM_SYSCOMMAND, SC_CLOSE},
                                           CloseCase{"WmClose", WM_CLOSE, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DirvistaDlgTest, EnterAndEscapeDoNothing) {
    MakeWindow();
    dlg->SendMessage(WM_COMMAND, IDOK);
    dlg->SendMessage(WM_COMMAND, IDCANCEL);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        ::PostMessageW(dlg->List().m_hWnd, WM_KEYDOWN, key, 0);
        ::PostMessageW(dlg->List().m_hWnd, WM_KEYUP, key, 0);
    }
    testing_support::PumpPending();
    EXPECT_FALSE(dlg->IsEnded());
    EXPECT_TRUE(::IsWindow(dlg->m_hWnd));
}

SIZE ClientSize(HWND wnd) {
    RECT client{};
    ::GetClientRect(wnd, &client);
    return {client.right, client.bottom};
}

TEST_F(DirvistaDlgTest, WindowKeepsTheSmallestClientArea) {
    MakeWindow();
    MINMAXINFO info{};
    dlg->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT frame{0, 0, 750, 510};
    ::AdjustWindowRectEx(&frame, dlg->GetStyle(), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(dlg->m_hWnd, GWL_EXSTYLE)));
    EXPECT_EQ(info.ptMinTrackSize.x, frame.right - frame.left);
    EXPECT_EQ(info.ptMinTrackSize.y, frame.bottom - frame.top);

    SetClientSize(dlg->m_hWnd, 300, 200);
    const SIZE client = ClientSize(dlg->m_hWnd);
    EXPECT_GE(client.cx, 750);
    EXPECT_GE(client.cy, 510);
}

TEST_F(DirvistaDlgTest, ResizingMovesEachControlByItsFractions) {
    MakeWindow();
    SetClientSize(dlg->m_hWnd, 800, 560);
    struct Anchor {
        int id;
        int left, top, right, bottom;
    };
    const Anchor anchors[] = {
        {IDC_LOCATION_BOX, 0, 0, 0, 1}, {IDC_FOLDER_TREE, 0, 0, 0, 1}, {IDC_MAP_BOX, 0, 0, 1, 1},
        {IDC_PIE, 0, 1, 1, 1},          {IDC_FOLDER_LIST, 0, 0, 1, 1}, {IDC_PROGRESS, 0, 1, 1, 1},
    };
    std::map<int, RECT> before;
    for (const Anchor& a : anchors) before[a.id] = ControlRect(dlg->m_hWnd, a.id);
    const SIZE small = ClientSize(dlg->m_hWnd);

    SetClientSize(dlg->m_hWnd, 960, 700);
    const SIZE large = ClientSize(dlg->m_hWnd);
    const int dx = large.cx - small.cx;
    const int dy = large.cy - small.cy;
    ASSERT_GT(dx, 0);
    ASSERT_GT(dy, 0);
    for (const Anchor& a : anchors) {
        SCOPED_TRACE(a.id);
        const RECT was = before[a.id];
        const RECT now = ControlRect(dlg->m_hWnd, a.id);
        EXPECT_EQ(now.left, was.left + a.left * dx);
        EXPECT_EQ(now.top, was.top + a.top * dy);
        EXPECT_EQ(now.right, was.right + a.right * dx);
        EXPECT_EQ(now.bottom, was.bottom + a.bottom * dy);
    }
}

}  // namespace
