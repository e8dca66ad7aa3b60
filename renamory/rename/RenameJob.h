#pragma once
// One run of the rename worker. The job owns its own copy of the pairs of paths, so that
// whatever the dialog does with its rows and path lists while the run goes on (Remove,
// Add..., Preview, a drop, closing) changes neither what is renamed nor memory the worker
// reads. The worker talks to the dialog only by posting messages to its window; the dialog
// reads the outcome once the job has finished.
#include "renamory/engine/PathList.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace renamory {

// Posted to the dialog by the worker. wParam: the new progress position (0 to 100).
inline constexpr UINT kMsgRenameProgress = WM_APP + 0x61;
// Posted to the dialog once, as the worker's last act. lParam: the job's id.
inline constexpr UINT kMsgRenameDone = WM_APP + 0x62;

struct RenameFailure {
    size_t index;  // position of the pair in the job
    DWORD error;   // GetLastError after the failed move
};

class RenameJob {
public:
    // Preview mode: rename currentPaths[i] to newPaths[i], as the last Preview built them.
    RenameJob(HWND notify, PathList currentPaths, PathList newPaths);
    // Pattern mode: build the new paths of currentPaths from pattern first.
    RenameJob(HWND notify, PathList currentPaths, std::wstring pattern);

    // The worker's body: builds the new paths in pattern mode, renames the pairs in order,
    // posts progress and, last, kMsgRenameDone. Returns 0 when the engine failed, else 1.
    DWORD Run();

    // Asks the worker to rename nothing more; the file being renamed is finished first.
    void RequestStop() { m_stop.store(true, std::memory_order_relaxed); }
    bool IsStopRequested() const { return m_stop.load(std::memory_order_relaxed); }
    // True once Run has finished; the outcome below may be read only then.
    bool IsFinished() const { return m_finished.load(std::memory_order_acquire); }

    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
    bool IsPatternMode() const { return m_bPatternMode; }
    NTSTATUS EngineStatus() const { return m_engineStatus; }
    const PathList& CurrentPaths() const { return m_currentPaths; }
    const PathList& NewPaths() const { return m_newPaths; }
    // Pairs that were tried, from the first; a stop leaves the rest untried.
    size_t AttemptedCount() const { return m_attempted; }
    const std::vector<RenameFailure>& Failures() const { return m_failures; }
    bool Succeeded(size_t index) const;

    PathList TakeCurrentPaths() { return std::move(m_currentPaths); }
    PathList TakeNewPaths() { return std::move(m_newPaths); }

private:
    void PostProgress(int position);
    void Finish();

    HWND m_hNotify;
    bool m_bPatternMode;
    std::wstring m_pattern;
    PathList m_currentPaths;
    PathList m_newPaths;
    NTSTATUS m_engineStatus = 0;
    size_t m_attempted = 0;
    std::vector<RenameFailure> m_failures;
    std::vector<bool> m_failed;
    int m_lastPosted = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
};

// The thread routine of a run: its parameter is a heap-held std::shared_ptr<RenameJob>,
// which it takes over and releases when done.
DWORD WINAPI RenameThreadProc(LPVOID param);

// Starts RenameThreadProc for job; returns the thread handle, or null when no thread could
// be started (the job is then left unrun).
HANDLE StartRenameThread(const std::shared_ptr<RenameJob>& job);

}  // namespace renamory
