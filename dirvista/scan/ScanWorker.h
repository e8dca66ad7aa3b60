#pragma once
// The worker that measures the subfolders of an opened folder ("Load Folder Information").
//
// The worker thread only measures. What it finds is queued as reports for the window that
// started it, in scan order (started, one slice per subfolder, one row per subfolder,
// finished), and the window's own thread takes them (TakeReports) when woken by a posted
// WM_SCAN_REPORT and changes the pie, the list and the row icons itself. So no window
// object or model the window paints is touched from the worker thread, and the worker never
// waits for the window to paint.
//
// A wake-up stays in force until the window says it has gone quiet (ReleaseWake): while
// reports keep coming, the window collects them at its own pace instead of being woken for
// each one, and the first report after a quiet spell wakes it at once.
//
// The progress bar steps once per direct subfolder of each measured folder (as the walk
// enters it). The worker does not step the bar itself (a SendMessage would make the walk
// wait for every repaint of the pie): the steps are reports too.
//
// Stopping is cooperative: RequestStop makes the size walk stop before its next directory
// or batch of entries, and the worker then reports nothing more. WaitForEnd still handles
// messages sent to the waiting thread, so that it can never lock up with a worker that
// talks to a window of that thread.
#include "dirvista/folders/FolderWalkControl.h"
#include "framework/Controls.h"
#include "framework/Handles.h"

#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace dirvista {

class ScanWorker;

// Posted to the window when reports are waiting; lParam is the ScanWorker.
inline constexpr UINT WM_SCAN_REPORT = WM_APP + 0x133;

enum class ScanEvent {
    Started,   // the scan lock is taken: the window clears its last scan and disables input
    Progress,  // the progress bar has `index` steps to take
    Slice,     // first pass: subfolder `index` measured `bytes`
    Row,       // second pass: subfolder `index` measured `bytes` again
    Finished,  // all measured and the lock released (not sent after a stop)
};

struct ScanReport {
    ScanEvent event;
    size_t index;
    ULONGLONG bytes;
};

class ScanWorker {
public:
    // Called on the worker thread before each directory the walk opens, with that folder's
    // path and an event that is set once a stop is requested. Tests block here to hold a
    // scan at a known point; they must return once the event is set.
    using EnterDirectoryHook = std::function<void(const wchar_t* folderPath, HANDLE stopRequested)>;

    // `folders` are the paths of the subfolders to measure, in the order of their rows.
    // Reports go to `window`.
    ScanWorker(HWND window, HTREEITEM item, std::vector<std::wstring> folders);
    // Asks the thread to stop and waits for it (see WaitForEnd).
    ~ScanWorker();
    ScanWorker(const ScanWorker&) = delete;
    ScanWorker& operator=(const ScanWorker&) = delete;

    // Starts the thread; false when it cannot be created.
    bool Start();
    void RequestStop();
    bool IsStopRequested() const { return m_control.IsStopRequested(); }
    // True once the thread has returned (or never started).
    bool HasEnded() const;
    // Waits for the thread, handling messages that other threads send to this one meanwhile.
    void WaitForEnd() const;

    // Removes and returns the waiting reports, oldest first, at most `limit` of them;
    // `bMoreWaiting` tells whether some are left.
    std::vector<ScanReport> TakeReports(size_t limit, bool& bMoreWaiting);
    // When no report is waiting, lets the next one post a new wake-up and returns true;
    // otherwise returns false and the window must keep collecting.
    bool ReleaseWake();

    HTREEITEM Item() const { return m_hItem; }
    const std::vector<std::wstring>& Folders() const { return m_folders; }

    // Installs the hook given to the walks of workers made from now on; returns the old one.
    static EnterDirectoryHook ReplaceEnterDirectoryHook(EnterDirectoryHook hook);

private:
    static DWORD WINAPI LoadFolderInfoThread(LPVOID parameter);
    DWORD Run();
    // Measures one folder; false when a stop was requested (the size is then partial).
    bool Measure(size_t index, ULONGLONG& bytes);
    void Report(ScanEvent event, size_t index = 0, ULONGLONG bytes = 0);
    // Called before the walk opens each directory; counts a step for each direct subfolder
    // of the folder being measured.
    void OnEnterDirectory(const wchar_t* folderPath);
    void WakeWindow();

    HWND m_hWindow;
    HTREEITEM m_hItem;
    std::vector<std::wstring> m_folders;
    FolderWalkControl m_control;
    EnterDirectoryHook m_enterDirectoryHook;
    size_t m_nMeasuring = 0;  // the folder being measured (worker thread only)
    fw::KernelHandle m_stopEvent;
    fw::KernelHandle m_hThread;
    std::mutex m_reportMutex;
    std::deque<ScanReport> m_reports;
    bool m_bWakePosted = false;
};

}  // namespace dirvista
