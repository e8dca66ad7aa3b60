#pragma once
// Spaces out the updates of one part of a window that a scan keeps changing (the pie, the
// list, the progress bar), so that drawing them cannot take most of the window's time and
// of the machine's: an update is done at once when the last one is long enough past, and
// otherwise a timer of the window does it when it is.
//
// "Long enough" is whichever is later: a fixed spacing, or the time that keeps updating to
// at most one part in `share` of the time (measured from how long the last update took).
#include "framework/Win32.h"

#include <chrono>

namespace dirvista {

class UpdatePacer {
public:
    using Clock = std::chrono::steady_clock;

    UpdatePacer(UINT_PTR timerId, Clock::duration spacing, int share)
        : m_timerId(timerId), m_spacing(spacing), m_share(share) {}

    // True when the update may be done now (the caller then does it between Begin and
    // End); otherwise the window's timer is armed for when it may, and false.
    bool IsDueNow(HWND window);
    // Brackets an update; End disarms the timer and works out when the next may come.
    Clock::time_point Begin() const { return Clock::now(); }
    void End(HWND window, Clock::time_point begun);
    // Forgets the last update: the next is due at once.
    void Reset(HWND window);

    bool IsTimer(WPARAM id) const { return id == m_timerId; }
    // True while the timer is armed for an update not yet done.
    bool IsPending() const { return m_bPending; }

private:
    void Disarm(HWND window);

    UINT_PTR m_timerId;
    Clock::duration m_spacing;
    int m_share;
    Clock::time_point m_next{};
    bool m_bPending = false;
};

}  // namespace dirvista
