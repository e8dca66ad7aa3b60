#include "dirvista/scan/UpdatePacer.h"

#include <algorithm>

namespace dirvista {

bool UpdatePacer::IsDueNow(HWND window) {
    const Clock::time_point now = Clock::now();
    if (now >= m_next) return true;
    if (m_bPending) return false;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(m_next - now).count();
    m_bPending = ::SetTimer(window, m_timerId, static_cast<UINT>(std::max<long long>(1, wait)), nullptr) != 0;
    // Without a timer nothing would come back for it: update now.
    return !m_bPending;
}

void UpdatePacer::End(HWND window, Clock::time_point begun) {
    Disarm(window);
    const Clock::time_point end = Clock::now();
    m_next = std::max(begun + m_spacing, end + (end - begun) * (m_share - 1));
}

void UpdatePacer::Reset(HWND window) {
    Disarm(window);
    m_next = {};
}

void UpdatePacer::Disarm(HWND window) {
    if (!m_bPending) return;
    ::KillTimer(window, m_timerId);
    m_bPending = false;
}

}  // namespace dirvista
