#pragma once
// Lets another thread stop a folder walk that is under way, and lets tests hold a walk at
// a known point.
#include <atomic>
#include <functional>

namespace dirvista {

class FolderWalkControl {
public:
    // Asks the walk to stop; it notices before it opens the next directory and before it
    // reads the next batch of entries, and returns the bytes counted so far.
    void RequestStop() { m_bStopRequested.store(true, std::memory_order_relaxed); }
    bool IsStopRequested() const { return m_bStopRequested.load(std::memory_order_relaxed); }

    // Called on the walking thread just before each directory is opened, with the folder
    // path the walk formed for it. A test can block here to make a walk slow.
    std::function<void(const wchar_t* folderPath)> onEnterDirectory;

private:
    std::atomic<bool> m_bStopRequested{false};
};

}  // namespace dirvista
