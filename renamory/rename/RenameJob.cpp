#include "renamory/rename/RenameJob.h"

#include "renamory/engine/PatternEngine.h"
#include "renamory/rename/MoveFileSeam.h"

#include <new>

namespace renamory {

namespace {
// A short run pauses at full progress before the bar drops back, so that it can be seen.
constexpr size_t kShortRun = 100;
constexpr DWORD kShortRunPauseMs = 100;
}  // namespace

RenameJob::RenameJob(HWND notify, PathList currentPaths, PathList newPaths)
    : m_hNotify(notify), m_bPatternMode(false), m_currentPaths(std::move(currentPaths)),
      m_newPaths(std::move(newPaths)) {}

RenameJob::RenameJob(HWND notify, PathList currentPaths, std::wstring pattern)
    : m_hNotify(notify), m_bPatternMode(true), m_pattern(std::move(pattern)),
      m_currentPaths(std::move(currentPaths)) {}

bool RenameJob::Succeeded(size_t index) const {
    return index < m_attempted && !m_failed[index];
}

DWORD RenameJob::Run() {
    if (m_bPatternMode) {
        m_newPaths.Clear();
        m_engineStatus = BuildNewPaths(m_currentPaths, m_newPaths, m_pattern);
        if (m_engineStatus != 0) {
            Finish();
            return 0;
        }
    }
    const size_t n = m_currentPaths.Size();
    const size_t pairs = std::min(n, m_newPaths.Size());
    m_failed.assign(pairs, false);
    for (size_t k = 0; k < pairs && !IsStopRequested(); ++k) {
        if (!MoveFileThroughSeam(m_currentPaths.CStr(k), m_newPaths.CStr(k))) {
            m_failed[k] = true;
            m_failures.push_back({k, ::GetLastError()});
        }
        m_attempted = k + 1;
        PostProgress(static_cast<int>(static_cast<unsigned long long>(k + 1) * 100 / n));
    }
    if (n < kShortRun && !IsStopRequested()) ::Sleep(kShortRunPauseMs);
    Finish();
    return 1;
}

void RenameJob::PostProgress(int position) {
    // The bar only moves a hundred times; posting every file would flood the queue of a big
    // run with messages that change nothing.
    if (position == m_lastPosted) return;
    m_lastPosted = position;
    ::PostMessageW(m_hNotify, kMsgRenameProgress, static_cast<WPARAM>(position), 0);
}

void RenameJob::Finish() {
    m_finished.store(true, std::memory_order_release);
    ::PostMessageW(m_hNotify, kMsgRenameDone, 0, static_cast<LPARAM>(Id()));
}

DWORD WINAPI RenameThreadProc(LPVOID param) {
    std::unique_ptr<std::shared_ptr<RenameJob>> job(static_cast<std::shared_ptr<RenameJob>*>(param));
    return (*job)->Run();
}

HANDLE StartRenameThread(const std::shared_ptr<RenameJob>& job) {
    auto* param = new (std::nothrow) std::shared_ptr<RenameJob>(job);
    if (!param) return nullptr;
    HANDLE thread = ::CreateThread(nullptr, 0, &RenameThreadProc, param, 0, nullptr);
    if (!thread) delete param;
    return thread;
}

}  // namespace renamory
