#pragma once
// Helpers for runs of the rename worker: a MoveFileW that can be held at one file, and a
// recorder of the progress bar's positions.
#include "framework/Handles.h"
#include "renamory/rename/MoveFileSeam.h"

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace renamory::test {

// Installs itself as the rename seam: records every move, does it with MoveFileW, and can
// hold the worker before the move of one file until the test releases it.
class ObservedMoves {
public:
    explicit ObservedMoves(size_t holdBefore = static_cast<size_t>(-1)) : m_holdBefore(holdBefore) {
        m_reached.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        m_release.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        SetMoveFileFunction([this](const wchar_t* from, const wchar_t* to) {
            const size_t index = m_count++;
            if (index == m_holdBefore) {
                ::SetEvent(m_reached.Get());
                ::WaitForSingleObject(m_release.Get(), 20000);
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_moves.emplace_back(from, to);
            }
            return ::MoveFileW(from, to);
        });
    }
    ~ObservedMoves() {
        Release();
        SetMoveFileFunction(nullptr);
    }
    ObservedMoves(const ObservedMoves&) = delete;
    ObservedMoves& operator=(const ObservedMoves&) = delete;

    bool IsHeld() const { return ::WaitForSingleObject(m_reached.Get(), 0) == WAIT_OBJECT_0; }
    void Release() { ::SetEvent(m_release.Get()); }
    std::vector<std::pair<std::wstring, std::wstring>> Moves() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_moves;
    }

private:
    size_t m_holdBefore;
    std::atomic<size_t> m_count{0};
    fw::KernelHandle m_reached;
    fw::KernelHandle m_release;
    mutable std::mutex m_mutex;
    std::vector<std::pair<std::wstring, std::wstring>> m_moves;
};

// Records every PBM_SETPOS the progress bar receives.
class ProgressRecorder {
public:
    explicit ProgressRecorder(HWND bar) : m_bar(bar) { ::SetWindowSubclass(bar, &Proc, 0x50C5, reinterpret_cast<DWORD_PTR>(this)); }
    ~ProgressRecorder() { ::RemoveWindowSubclass(m_bar, &Proc, 0x50C5); }
    ProgressRecorder(const ProgressRecorder&) = delete;
    ProgressRecorder& operator=(const ProgressRecorder&) = delete;
    const std::vector<int>& Positions() const { return m_positions; }

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
        if (msg == PBM_SETPOS) reinterpret_cast<ProgressRecorder*>(self)->m_positions.push_back(static_cast<int>(wp));
        return ::DefSubclassProc(wnd, msg, wp, lp);
    }
    HWND m_bar;
    std::vector<int> m_positions;
};

}  // namespace renamory::test
