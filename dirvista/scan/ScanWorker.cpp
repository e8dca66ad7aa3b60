#include "dirvista/scan/ScanWorker.h"

#include "dirvista/folders/FolderTreeView.h"
#include "dirvista/scan/ScanLock.h"

#include <algorithm>
#include <mutex>
#include <string_view>
#include <utility>

namespace dirvista {

namespace {
std::mutex g_hookMutex;
ScanWorker::EnterDirectoryHook g_enterDirectoryHook;
}  // namespace

ScanWorker::EnterDirectoryHook ScanWorker::ReplaceEnterDirectoryHook(EnterDirectoryHook hook) {
    std::lock_guard<std::mutex> guard(g_hookMutex);
    return std::exchange(g_enterDirectoryHook, std::move(hook));
}

ScanWorker::ScanWorker(HWND window, HTREEITEM item, std::vector<std::wstring> folders)
    : m_hWindow(window),
      m_hItem(item),
      m_folders(std::move(folders)),
      m_stopEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    {
        std::lock_guard<std::mutex> guard(g_hookMutex);
        m_enterDirectoryHook = g_enterDirectoryHook;
    }
    m_control.onEnterDirectory = [this](const wchar_t* path) { OnEnterDirectory(path); };
}

ScanWorker::~ScanWorker() {
    RequestStop();
    WaitForEnd();
}

bool ScanWorker::Start() {
    // The default stack is enough: the size walk keeps its levels on the heap.
    m_hThread.Reset(::CreateThread(nullptr, 0, &ScanWorker::LoadFolderInfoThread, this, 0, nullptr));
    return static_cast<bool>(m_hThread);
}

void ScanWorker::RequestStop() {
    m_control.RequestStop();
    if (m_stopEvent) ::SetEvent(m_stopEvent.Get());
}

bool ScanWorker::HasEnded() const {
    return !m_hThread || ::WaitForSingleObject(m_hThread.Get(), 0) != WAIT_TIMEOUT;
}

void ScanWorker::WaitForEnd() const {
    if (!m_hThread) return;
    HANDLE thread = m_hThread.Get();
    for (;;) {
        const DWORD woken = ::MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE);
        if (woken != WAIT_OBJECT_0 + 1) return;  // ended (or the wait failed)
        // Peeking carries out the messages sent to this thread; nothing posted is removed.
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

DWORD WINAPI ScanWorker::LoadFolderInfoThread(LPVOID parameter) {
    return static_cast<ScanWorker*>(parameter)->Run();
}

DWORD ScanWorker::Run() {
    ScanLock lock;
    // Another scan holds the lock (in this program or another of the suite): give up
    // without a trace on screen.
    if (!lock.Acquire()) return 0;
    if (IsStopRequested()) return 0;
    Report(ScanEvent::Started);

    for (size_t i = 0; i < m_folders.size(); ++i) {
        ULONGLONG bytes = 0;
        if (!Measure(i, bytes)) return 0;
        Report(ScanEvent::Slice, i, bytes);
    }
    // Measured again for the rows: a folder that changed meanwhile shows its newer size in
    // the list.
    for (size_t i = 0; i < m_folders.size(); ++i) {
        ULONGLONG bytes = 0;
        if (!Measure(i, bytes)) return 0;
        Report(ScanEvent::Row, i, bytes);
    }
    // The lock goes before the window hears of the end, so that a folder opened as soon as
    // the tree is enabled again finds it free.
    lock.Release();
    if (!IsStopRequested()) Report(ScanEvent::Finished);
    return 1;
}

bool ScanWorker::Measure(size_t index, ULONGLONG& bytes) {
    if (IsStopRequested()) return false;
    m_nMeasuring = index;
    bytes = CFolderTreeView::GetFolderSize(m_folders[index].c_str(), nullptr, &m_control);
    return !IsStopRequested();
}

void ScanWorker::OnEnterDirectory(const wchar_t* folderPath) {
    const std::wstring_view path = folderPath;
    const std::wstring& measured = m_folders[m_nMeasuring];
    if (path.size() > measured.size() + 1 && path.starts_with(measured) &&
        path[measured.size()] == L'\\' && path.find(L'\\', measured.size() + 1) == std::wstring_view::npos) {
        // Steps in a row make one report, so a folder of many subfolders does not flood the
        // queue.
        std::lock_guard<std::mutex> guard(m_reportMutex);
        if (!m_reports.empty() && m_reports.back().event == ScanEvent::Progress) ++m_reports.back().index;
        else m_reports.push_back({ScanEvent::Progress, 1, 0});
        WakeWindow();
    }
    if (m_enterDirectoryHook) m_enterDirectoryHook(folderPath, m_stopEvent.Get());
}

void ScanWorker::Report(ScanEvent event, size_t index, ULONGLONG bytes) {
    if (IsStopRequested()) return;
    std::lock_guard<std::mutex> guard(m_reportMutex);
    m_reports.push_back({event, index, bytes});
    WakeWindow();
}

// Called with the report lock held.
void ScanWorker::WakeWindow() {
    if (!m_bWakePosted)
        m_bWakePosted = ::PostMessageW(m_hWindow, WM_SCAN_REPORT, 0, reinterpret_cast<LPARAM>(this)) != FALSE;
}

std::vector<ScanReport> ScanWorker::TakeReports(size_t limit, bool& bMoreWaiting) {
    std::lock_guard<std::mutex> guard(m_reportMutex);
    std::vector<ScanReport> taken;
    const size_t count = std::min(limit, m_reports.size());
    taken.insert(taken.end(), m_reports.begin(), m_reports.begin() + static_cast<std::ptrdiff_t>(count));
    m_reports.erase(m_reports.begin(), m_reports.begin() + static_cast<std::ptrdiff_t>(count));
    bMoreWaiting = !m_reports.empty();
    return taken;
}

bool ScanWorker::ReleaseWake() {
    std::lock_guard<std::mutex> guard(m_reportMutex);
    if (!m_reports.empty()) return false;
    m_bWakePosted = false;
    return true;
}

}  // namespace dirvista
