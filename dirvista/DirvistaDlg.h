#pragma once
// The folder size viewer's main window: the folder tree on the left ("Location"); on the
// right ("Map") the subfolders of the opened folder with their sizes and, below them, the
// pie of their shares. Opening a folder in the tree scans its subfolders on a worker.
#include "dirvista/folders/FolderTreeView.h"
#include "dirvista/frames/CustomGroupBox.h"
#include "dirvista/pie/PieView.h"
#include "dirvista/scan/FolderRow.h"
#include "dirvista/scan/ScanLock.h"
#include "dirvista/scan/ScanWorker.h"
#include "dirvista/scan/UpdatePacer.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "framework/Handles.h"
#include "skin/ResizeDialog.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

inline constexpr wchar_t kDirvistaCaption[] = L"Orvana Dirvista";

// Control identifiers of the main dialog's template.
enum DirvistaControlId : UINT {
    IDC_MAP_BOX = 1007,
    IDC_LOCATION_BOX = 1008,
    IDC_PROGRESS = 1010,
    IDC_FOLDER_TREE = 1046,
    IDC_PIE = 1048,
    IDC_FOLDER_LIST = 1049,
};

class CDirvistaDlg : public CResizeDialog {
public:
    CDirvistaDlg();
    // Stops and waits for any scan before the controls and rows go.
    ~CDirvistaDlg() override;

    BOOL OnInitDialog() override;
    // Enter and Escape must not end the window.
    void OnOK() override {}
    void OnCancel() override {}

    // Ends the dialog at once when no scan runs; otherwise asks first, and on Yes stops the
    // scan (without waiting for it) and ends the dialog.
    void ConfirmClose();

    // Opens a folder (or a drive root such as T:\) as a user would: expands its ancestors in
    // the tree without scanning them, then selects and expands the folder itself, which scans
    // its subfolders. Fills the tree first if it has not been focused yet. Returns the
    // folder's item, or null when the path is not in the tree.
    HTREEITEM OpenFolder(const std::wstring& path);

    // True while a scan worker of this window runs (also one that is giving up).
    bool IsScanning() const;
    // How many started workers have not yet ended.
    size_t PendingScanCount() const;

    dirvista::CFolderTreeView& Tree() { return m_tree; }
    fw::CListCtrl& List() { return m_list; }
    dirvista::CPieView& Pie() { return m_pie; }
    fw::CProgressCtrl& Progress() { return m_progress; }
    HIMAGELIST RowImages() const { return m_rowImages.GetSafeHandle(); }
    const std::vector<std::unique_ptr<dirvista::FolderRow>>& Rows() const { return m_rows; }
    HTREEITEM GetExpandedItem() const { return m_hExpandedItem; }

protected:
    void DoDataExchange() override;
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool OnSysCommand(WPARAM wp, LPARAM lp, LRESULT& result);
    bool OnPaint(WPARAM wp, LPARAM lp, LRESULT& result);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnCtlColor(WPARAM, LPARAM);
    void OnItemExpanded(NMHDR* header, LRESULT* result);
    bool OnShowWindow(WPARAM wp, LPARAM lp, LRESULT& result);
    void OnClose();
    bool OnDestroy(WPARAM wp, LPARAM lp, LRESULT& result);
    LRESULT OnHelpInfo(WPARAM, LPARAM);
    void OnClickList(NMHDR* header, LRESULT* result);
    void OnHeaderClick(NMHDR* header, LRESULT* result);
    void OnSelChangedTree(NMHDR* header, LRESULT* result);
    LRESULT OnScanReport(WPARAM, LPARAM lp);
    void CollectReports();
    bool TakeReports(dirvista::ScanWorker& worker);

    void OnScanStarted(dirvista::ScanWorker& worker);
    void AddSlice(const dirvista::ScanWorker& worker, size_t index, ULONGLONG bytes);
    void AddRow(const dirvista::ScanWorker& worker, size_t index, ULONGLONG bytes);
    void OnScanFinished();
    void RepaintPie();
    // Repaints the pie at once, unless the last repaint was so recent that painting would
    // take more than a fortieth of the time; then a timer repaints it a little later.
    void RepaintPieSoon();
    // Rows go into the list without drawing it (HoldListRedraw) and are shown together,
    // at most a few times a second.
    void HoldListRedraw();
    void ShowNewRows();
    void ShowNewRowsSoon();
    // Steps the bar, at once unless it was drawn very recently; then a timer applies the
    // steps that came meanwhile together, with one drawing.
    void StepProgressSoon(size_t steps);
    void ApplyProgressSteps();
    bool OnTimer(WPARAM wp, LPARAM lp, LRESULT& result);
    void StopScans();
    void ForgetEndedScans();

    fw::CBrush m_brBackground;
    HICON m_hIcon = nullptr;
    fw::KernelHandle m_hCloseProbe;
    dirvista::CCustomGroupBox m_boxMap;
    fw::CImageList m_rowImages;
    dirvista::CCustomGroupBox m_boxLocation;
    dirvista::CFolderTreeView m_tree;
    dirvista::CPieView m_pie;
    // One record per list row of the last scan, as many as it had subfolders.
    std::vector<std::unique_ptr<dirvista::FolderRow>> m_rows;
    fw::CListCtrl m_list;
    HTREEITEM m_hExpandedItem = nullptr;
    // Every worker started and not yet known to have ended; at most one of them holds the
    // scan lock and reports (m_pActiveScan), the others are giving up.
    std::vector<std::unique_ptr<dirvista::ScanWorker>> m_scanWorkers;
    dirvista::ScanWorker* m_pActiveScan = nullptr;
    fw::CProgressCtrl m_progress;
    bool m_bOpeningPath = false;  // expanding the ancestors of a folder being opened
    bool m_bClosing = false;
    bool m_bCollectingReports = false;  // the collecting timer runs
    // The pie may spend at most a fortieth of the time repainting; the list shows new rows at
    // most every 100 ms and spends at most a twentieth of the time on it; the bar moves at
    // most every 100 ms (it redraws itself at once on every step, which costs more than the
    // walk costs the worker per subfolder).
    dirvista::UpdatePacer m_piePacer{0x5031, std::chrono::milliseconds(0), 40};
    dirvista::UpdatePacer m_progressPacer{0x5032, std::chrono::milliseconds(100), 1};
    dirvista::UpdatePacer m_listPacer{0x5034, std::chrono::milliseconds(100), 20};
    bool m_bListHeld = false;  // the list does not redraw while rows go in
    // Steps of the bar received but not yet applied.
    size_t m_nPendingSteps = 0;
};
