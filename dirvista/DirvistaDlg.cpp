#include "dirvista/DirvistaDlg.h"

#include "dirvista/pie/SliceColors.h"
#include "dirvista/scan/SliceImageStrip.h"
#include "framework/MessageBoxSeam.h"
#include "shared/HelpLauncher.h"
#include "shared/MainDialogSupport.h"
#include "shared/res/ResourceIds.h"
#include "skin/SkinManager.h"

#include <algorithm>
#include <cwchar>
#include <utility>

using dirvista::FolderRow;
using dirvista::ScanEvent;
using dirvista::ScanReport;
using dirvista::ScanWorker;

namespace {
constexpr UINT kRepaintNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr size_t kReportsPerTake = 64;
constexpr ULONGLONG kReportBudgetMs = 10;
// While a worker keeps reporting, its reports are collected this often rather than on a
// wake-up per report: a folder of small subfolders gives hundreds of reports a second.
constexpr UINT_PTR kReportTimer = 0x5033;
constexpr UINT kReportCollectMs = 50;

// Splits "C:\a\b" (or the tree's form "C:\\a\b") into the drive root "C:\" and the names
// below it.
bool SplitFolderPath(const std::wstring& path, std::wstring& root, std::vector<std::wstring>& names) {
    if (path.size() < 2 || path[1] != L':') return false;
    root = path.substr(0, 2) + L'\\';
    names.clear();
    size_t start = 2;
    while (start <= path.size()) {
        size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos) end = path.size();
        if (end > start) names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return true;
}

HTREEITEM FindChildNamed(const fw::CTreeCtrl& tree, HTREEITEM parent, const std::wstring& name) {
    HTREEITEM child = parent ? tree.GetChildItem(parent) : tree.GetRootItem();
    for (; child; child = tree.GetNextSiblingItem(child)) {
        // File names compare without case on Windows.
        if (_wcsicmp(tree.GetItemText(child).c_str(), name.c_str()) == 0) return child;
    }
    return nullptr;
}
}  // namespace

CDirvistaDlg::CDirvistaDlg() : CResizeDialog(IDD_MAIN, nullptr, 0) {
    CSkinManager::Instance().LoadSkin(L"trelk.dat", nullptr);
    m_hIcon = ::LoadIconW(fw::ResourceInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

CDirvistaDlg::~CDirvistaDlg() {
    m_bClosing = true;
    StopScans();
    // Each worker is waited for as it goes; what it sends meanwhile is carried out (and
    // ignored, since the window is closing), so the wait cannot lock up.
    m_scanWorkers.clear();
    m_pActiveScan = nullptr;
    // A modeless window still exists here; it goes now, while this object can still handle
    // its last messages, and before the rows its list points at.
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_rows.clear();
}

void CDirvistaDlg::DoDataExchange() {
    Bind(IDC_MAP_BOX, m_boxMap);
    Bind(IDC_LOCATION_BOX, m_boxLocation);
    Bind(IDC_FOLDER_TREE, m_tree);
    Bind(IDC_PIE, m_pie);
    Bind(IDC_FOLDER_LIST, m_list);
    Bind(IDC_PROGRESS, m_progress);
}

BOOL CDirvistaDlg::OnInitDialog() {
    CResizeDialog::OnInitDialog();
    AppendAboutMenuItem(m_hWnd, L"About Orvana Dirvista...");
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_brBackground = fw::MakeSolidBrush(RGB(255, 255, 255));

    for (dirvista::CCustomGroupBox* box : {&m_boxLocation, &m_boxMap}) {
        box->SetHeaderStyle(TRUE);
        box->SetFontSize(10);
        box->SetFontBold(TRUE);
    }

    AddAnchor(IDC_LOCATION_BOX, 0, 0, 0, 1);
    AddAnchor(IDC_FOLDER_TREE, 0, 0, 0, 1);
    AddAnchor(IDC_MAP_BOX, 0, 0, 1, 1);
    AddAnchor(IDC_PIE, 0, 1, 1, 1);
    AddAnchor(IDC_FOLDER_LIST, 0, 0, 1, 1);
    AddAnchor(IDC_PROGRESS, 0, 1, 1, 1);
    SetMinClientSize(750, 510);

    m_list.InsertColumn(0, L"Folder", LVCFMT_LEFT, 420);
    m_list.InsertColumn(1, L"Size (KBytes)", LVCFMT_RIGHT, 100);
    m_rowImages.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);

    dirvista::g_sortDescending = false;
    return TRUE;
}

bool CDirvistaDlg::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnMessage<&CDirvistaDlg::OnSysCommand>(WM_SYSCOMMAND),
        fw::OnMessage<&CDirvistaDlg::OnPaint>(WM_PAINT),
        fw::OnMessage<&CDirvistaDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        fw::OnCtlColor<&CDirvistaDlg::OnCtlColor>(),
        fw::OnNotify<&CDirvistaDlg::OnItemExpanded>(IDC_FOLDER_TREE, TVN_ITEMEXPANDEDW),
        fw::OnMessage<&CDirvistaDlg::OnShowWindow>(WM_SHOWWINDOW),
        fw::OnMessage<&CDirvistaDlg::OnClose>(WM_CLOSE),
        fw::OnMessage<&CDirvistaDlg::OnHelpInfo>(WM_HELP),
        fw::OnNotify<&CDirvistaDlg::OnClickList>(IDC_FOLDER_LIST, NM_CLICK),
        fw::OnNotify<&CDirvistaDlg::OnHeaderClick>(0, HDN_ITEMCLICKW),
        fw::OnNotify<&CDirvistaDlg::OnSelChangedTree>(IDC_FOLDER_TREE, TVN_SELCHANGEDW),
        fw::OnMessage<&CDirvistaDlg::OnScanReport>(dirvista::WM_SCAN_REPORT),
        fw::OnMessage<&CDirvistaDlg::OnDestroy>(WM_DESTROY),
        fw::OnMessage<&CDirvistaDlg::OnTimer>(WM_TIMER),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
           CResizeDialog::OnWndMsg(msg, wp, lp, result);
}

bool CDirvistaDlg::OnSysCommand(WPARAM wp, LPARAM, LRESULT& result) {
    result = 0;
    if ((wp & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAboutBox(m_hWnd);
        return true;
    }
    if ((wp & 0xFFF0) == SC_CLOSE) {
        ConfirmClose();
        return true;
    }
    return false;
}

void CDirvistaDlg::ConfirmClose() {
    m_hCloseProbe.Reset(::OpenEventW(EVENT_MODIFY_STATE, FALSE, dirvista::kScanRunningEventName));
    if (!m_hCloseProbe) {
        EndDialog(1);
        return;
    }
    const int answer = fw::ShowMessageBox(
        m_hWnd,
        L"Load Folder Information process is in progress!\nAre you sure you want to abort and close the application?",
        kDirvistaCaption, MB_YESNO | MB_ICONQUESTION);
    m_hCloseProbe.Reset();
    if (answer != IDYES) return;
    // The worker stops at its next directory or batch of entries and is waited for when
    // this object goes; the window closes now.
    m_bClosing = true;
    StopScans();
    m_pActiveScan = nullptr;
    EndDialog(1);
}

// WM_CLOSE (Alt+F4 through the dialog manager, or a close sent by another program) asks
// exactly as the close command does.
void CDirvistaDlg::OnClose() { ConfirmClose(); }

bool CDirvistaDlg::OnDestroy(WPARAM, LPARAM, LRESULT&) {
    m_bClosing = true;
    StopScans();
    // The list was not made to share its image lists, so it would destroy the row icons
    // that m_rowImages still owns.
    if (m_list.m_hWnd) m_list.SetImageList(nullptr, LVSIL_SMALL);
    return false;
}

bool CDirvistaDlg::OnPaint(WPARAM, LPARAM, LRESULT& result) {
    if (!IsIconic()) return false;
    PaintMinimizedIcon(m_hWnd, m_hIcon);
    result = 0;
    return true;
}

LRESULT CDirvistaDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }

LRESULT CDirvistaDlg::OnCtlColor(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_brBackground.Get());
}

LRESULT CDirvistaDlg::OnHelpInfo(WPARAM, LPARAM) { return LaunchUserGuide(); }

bool CDirvistaDlg::OnShowWindow(WPARAM, LPARAM, LRESULT& result) {
    result = Default();
    RepaintPie();
    return true;
}

void CDirvistaDlg::OnSelChangedTree(NMHDR*, LRESULT* result) { *result = 0; }

void CDirvistaDlg::OnItemExpanded(NMHDR* header, LRESULT* result) {
    *result = 0;
    const auto* notification = reinterpret_cast<const NMTREEVIEWW*>(header);
    // The action may carry flags above the expand-or-collapse bits.
    if ((notification->action & (TVE_EXPAND | TVE_COLLAPSE)) != TVE_EXPAND) return;
    if (m_bOpeningPath || m_bClosing) return;
    ForgetEndedScans();

    HTREEITEM item = notification->itemNew.hItem;
    std::vector<std::wstring> folders;
    for (HTREEITEM child = m_tree.GetChildItem(item); child; child = m_tree.GetNextSiblingItem(child))
        folders.push_back(dirvista::GetItemPath(m_tree, child));
    // Started even while another scan runs: it then finds the scan lock taken and gives up
    // without changing anything.
    auto worker = std::make_unique<ScanWorker>(m_hWnd, item, std::move(folders));
    if (worker->Start()) m_scanWorkers.push_back(std::move(worker));
}

// A wake-up from a worker: its reports are taken now, and from then on at the pace of the
// collecting timer until the worker goes quiet.
LRESULT CDirvistaDlg::OnScanReport(WPARAM, LPARAM lp) {
    const auto found = std::find_if(m_scanWorkers.begin(), m_scanWorkers.end(),
                                    [lp](const std::unique_ptr<ScanWorker>& worker) {
                                        return reinterpret_cast<LPARAM>(worker.get()) == lp;
                                    });
    if (found == m_scanWorkers.end()) return 0;
    TakeReports(**found);
    if (!m_bCollectingReports)
        m_bCollectingReports = ::SetTimer(m_hWnd, kReportTimer, kReportCollectMs, nullptr) != 0;
    // Without the timer every report wakes the window again.
    if (!m_bCollectingReports) (*found)->ReleaseWake();
    return 0;
}

void CDirvistaDlg::CollectReports() {
    bool bStillReporting = false;
    for (size_t i = 0; i < m_scanWorkers.size(); ++i) {
        ScanWorker& worker = *m_scanWorkers[i];
        if (TakeReports(worker) || !worker.ReleaseWake()) bStillReporting = true;
    }
    if (!bStillReporting) {
        ::KillTimer(m_hWnd, kReportTimer);
        m_bCollectingReports = false;
    }
}

// Takes the waiting reports of a worker; true when there were any. Slices that arrive
// together are drawn by one repaint, and repaints are spaced so that painting a pie of
// thousands of slices cannot take most of the window's time; when measuring is slower than
// painting, which is the usual case, each slice gets its own repaint at once. The work per
// call is bounded so the window stays responsive; what is left is taken after a new
// wake-up.
bool CDirvistaDlg::TakeReports(ScanWorker& worker) {
    if (m_bClosing || worker.IsStopRequested()) return false;

    const ULONGLONG deadline = ::GetTickCount64() + kReportBudgetMs;
    bool bPieChanged = false;
    std::vector<ScanReport> reports;
    bool more = false;
    bool bRowsAdded = false;
    bool bTaken = false;
    do {
        reports = worker.TakeReports(kReportsPerTake, more);
        bTaken = bTaken || !reports.empty();
        for (const ScanReport& report : reports) {
            if (report.event == ScanEvent::Started) {
                ApplyProgressSteps();
                OnScanStarted(worker);
                continue;
            }
            if (&worker != m_pActiveScan) continue;
            switch (report.event) {
            case ScanEvent::Progress:
                StepProgressSoon(report.index);
                break;
            case ScanEvent::Slice:
                AddSlice(worker, report.index, report.bytes);
                bPieChanged = true;
                break;
            case ScanEvent::Row:
                HoldListRedraw();
                bRowsAdded = true;
                AddRow(worker, report.index, report.bytes);
                break;
            case ScanEvent::Finished:
                ApplyProgressSteps();
                OnScanFinished();
                bPieChanged = false;
                break;
            case ScanEvent::Started: break;
            }
        }
    } while (more && ::GetTickCount64() < deadline);
    if (bRowsAdded) ShowNewRowsSoon();
    if (bPieChanged) RepaintPieSoon();
    if (more) PostMessage(dirvista::WM_SCAN_REPORT, 0, reinterpret_cast<LPARAM>(&worker));
    return bTaken;
}

void CDirvistaDlg::OnScanStarted(ScanWorker& worker) {
    m_pActiveScan = &worker;
    m_piePacer.Reset(m_hWnd);
    m_listPacer.Reset(m_hWnd);
    m_hExpandedItem = worker.Item();
    m_progress.ShowWindow(SW_SHOWNORMAL);
    m_tree.EnableWindow(FALSE);
    m_list.EnableWindow(FALSE);
    m_pie.m_slices.Clear();
    // The rows go from the list before their records are freed.
    m_list.DeleteAllItems();
    m_rows.clear();
    ShowNewRows();
    // Image i is the colour of slice i of this scan; the slices get the same colours as they
    // come.
    m_rowImages.RemoveAll();
    dirvista::AppendSliceImages(m_rowImages, worker.Folders().size());
    m_list.SetImageList(m_rowImages, LVSIL_SMALL);
}

void CDirvistaDlg::AddSlice(const ScanWorker& worker, size_t index, ULONGLONG bytes) {
    m_pie.m_slices.Add(dirvista::SliceColor(index), bytes, worker.Folders()[index]);
}

void CDirvistaDlg::AddRow(const ScanWorker& worker, size_t index, ULONGLONG bytes) {
    const std::wstring& path = worker.Folders()[index];
    auto row = std::make_unique<FolderRow>(path, bytes);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(index);
    item.pszText = row->m_pszPath.get();
    item.iImage = static_cast<int>(index);
    const int inserted = m_list.InsertItem(item);
    if (inserted >= 0) {
        wchar_t kilobytes[32] = {};
        _snwprintf(kilobytes, 31, L"%I64d", static_cast<long long>(FolderRow::KilobytesOf(bytes)));
        m_list.SetItemText(inserted, 1, kilobytes);
        m_list.SetItemData(inserted, reinterpret_cast<LPARAM>(row.get()));
    }
    m_rows.push_back(std::move(row));
}

void CDirvistaDlg::OnScanFinished() {
    m_tree.EnableWindow(TRUE);
    m_list.EnableWindow(TRUE);
    ShowNewRows();
    RepaintPie();
    m_progress.ShowWindow(SW_HIDE);
    m_pActiveScan = nullptr;
}

void CDirvistaDlg::RepaintPie() {
    if (!m_pie.m_hWnd) return;
    const auto begun = m_piePacer.Begin();
    m_pie.RedrawWindow(kRepaintNow);
    m_piePacer.End(m_hWnd, begun);
}

void CDirvistaDlg::RepaintPieSoon() {
    if (m_piePacer.IsDueNow(m_hWnd)) RepaintPie();
}

// Each row inserted into a list that redraws recomputes its scroll bars and repaints, and a
// repaint of the list and its header costs more than a row; the rows that come in a while
// go in together and are shown by one repaint.
void CDirvistaDlg::HoldListRedraw() {
    if (m_bListHeld) return;
    m_list.SendMessage(WM_SETREDRAW, FALSE);
    m_bListHeld = true;
}

void CDirvistaDlg::ShowNewRows() {
    if (!m_bListHeld) return;
    const auto begun = m_listPacer.Begin();
    m_bListHeld = false;
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    m_list.RedrawWindow(RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_listPacer.End(m_hWnd, begun);
}

void CDirvistaDlg::ShowNewRowsSoon() {
    if (m_listPacer.IsDueNow(m_hWnd)) ShowNewRows();
}

void CDirvistaDlg::StepProgressSoon(size_t steps) {
    m_nPendingSteps += steps;
    if (m_progressPacer.IsDueNow(m_hWnd)) ApplyProgressSteps();
}

// The bar only shows activity: it starts again when it passes its end. The steps that came
// together move it once, to where as many single steps would have taken it.
void CDirvistaDlg::ApplyProgressSteps() {
    const auto begun = m_progressPacer.Begin();
    if (m_nPendingSteps > 0) m_progress.StepIt(std::exchange(m_nPendingSteps, 0));
    m_progressPacer.End(m_hWnd, begun);
}

bool CDirvistaDlg::OnTimer(WPARAM wp, LPARAM, LRESULT& result) {
    result = 0;
    if (wp == kReportTimer) CollectReports();
    else if (m_progressPacer.IsTimer(wp)) { if (m_progressPacer.IsPending()) ApplyProgressSteps(); }
    else if (m_piePacer.IsTimer(wp)) { if (m_piePacer.IsPending()) RepaintPie(); }
    else if (m_listPacer.IsTimer(wp)) { if (m_listPacer.IsPending()) ShowNewRows(); }
    else return false;
    return true;
}

void CDirvistaDlg::StopScans() {
    for (const auto& worker : m_scanWorkers) worker->RequestStop();
}

void CDirvistaDlg::ForgetEndedScans() {
    std::erase_if(m_scanWorkers, [this](const std::unique_ptr<ScanWorker>& worker) {
        return worker.get() != m_pActiveScan && worker->HasEnded();
    });
}

bool CDirvistaDlg::IsScanning() const { return m_pActiveScan || PendingScanCount() > 0; }

size_t CDirvistaDlg::PendingScanCount() const {
    return static_cast<size_t>(std::count_if(
        m_scanWorkers.begin(), m_scanWorkers.end(),
        [](const std::unique_ptr<ScanWorker>& worker) { return !worker->HasEnded(); }));
}

void CDirvistaDlg::OnClickList(NMHDR* header, LRESULT* result) {
    const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(header);
    if (click->iItem < 0 || !m_hExpandedItem) return;
    const std::wstring text = m_list.GetItemText(click->iItem, 0);
    for (HTREEITEM child = m_tree.GetChildItem(m_hExpandedItem); child;
         child = m_tree.GetNextSiblingItem(child)) {
        if (dirvista::GetItemPath(m_tree, child) == text) {
            // As in OpenFolder: the level read below the child goes in without redrawing.
            m_tree.SendMessage(WM_SETREDRAW, FALSE);
            m_tree.Expand(child, TVE_EXPAND);
            m_tree.SendMessage(WM_SETREDRAW, TRUE);
            m_tree.Invalidate();
            return;
        }
    }
    *result = 0;
}

void CDirvistaDlg::OnHeaderClick(NMHDR* header, LRESULT* result) {
    const auto* click = reinterpret_cast<const NMHEADERW*>(header);
    m_list.SortItems(&dirvista::CompareRows, click->iItem);
    dirvista::g_sortDescending = !dirvista::g_sortDescending;
    *result = 0;
}

HTREEITEM CDirvistaDlg::OpenFolder(const std::wstring& path) {
    std::wstring root;
    std::vector<std::wstring> names;
    if (!m_hWnd || !SplitFolderPath(path, root, names)) return nullptr;
    if (m_tree.AreDrivesPending()) {
        // The tree reads the drives when it first gets the focus.
        ::SetFocus(m_tree.m_hWnd);
        if (m_tree.AreDrivesPending()) m_tree.SendMessage(WM_SETFOCUS);
    }
    // Every item the tree inserts while redrawing recomputes its scroll bars, which makes
    // opening a folder of thousands of subfolders take seconds; they go in together instead.
    m_tree.SendMessage(WM_SETREDRAW, FALSE);
    HTREEITEM item = FindChildNamed(m_tree, nullptr, root);
    for (const std::wstring& name : names) {
        if (!item) break;
        m_bOpeningPath = true;
        m_tree.Expand(item, TVE_EXPAND);
        m_bOpeningPath = false;
        item = FindChildNamed(m_tree, item, name);
    }
    if (item) {
        m_tree.SelectItem(item);
        if (!(m_tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED)) m_tree.Expand(item, TVE_EXPAND);
    }
    m_tree.SendMessage(WM_SETREDRAW, TRUE);
    m_tree.Invalidate();
    if (item) m_tree.SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    return item;
}
