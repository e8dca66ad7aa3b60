#include "dirvista/scan/ScanLock.h"

namespace dirvista {

bool IsScanMarkerPresent() {
    fw::KernelHandle probe(::OpenEventW(EVENT_MODIFY_STATE, FALSE, kScanRunningEventName));
    return static_cast<bool>(probe);
}

ScanLock::~ScanLock() { Release(); }

bool ScanLock::Acquire() {
    m_marker.Reset(::CreateEventW(nullptr, TRUE, TRUE, kScanRunningEventName));
    m_lock.Reset(::CreateMutexW(nullptr, TRUE, kScanLockName));
    if (!m_lock) {
        m_marker.Reset();
        return false;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        // Someone else's lock: opening it gave no ownership, so only the handle goes.
        m_lock.Reset();
        m_marker.Reset();
        return false;
    }
    return true;
}

void ScanLock::Release() {
    if (m_lock) {
        ::ReleaseMutex(m_lock.Get());
        m_lock.Reset();
    }
    m_marker.Reset();
}

}  // namespace dirvista
