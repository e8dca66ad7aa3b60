#pragma once
// The named kernel objects of a scan: the marker that tells the close confirmation a scan
// runs, and the suite-wide lock that lets only one scan do its work at a time. Neither is
// ever waited on; only their existence matters.
#include "framework/Handles.h"

namespace dirvista {

inline constexpr wchar_t kScanRunningEventName[] = L"LOAD_INFO_EVENT";
inline constexpr wchar_t kScanLockName[] = L"Qmx{398EDF5C-92C9-41ee-8C82-6C450F9D3D35}";

// Whether a scan runs anywhere in the session (the marker exists).
bool IsScanMarkerPresent();

// Held by the thread that scans, from Acquire to destruction; the mutex is released by the
// same thread that created it, as a mutex must be.
class ScanLock {
public:
    ScanLock() = default;
    ~ScanLock();
    ScanLock(const ScanLock&) = delete;
    ScanLock& operator=(const ScanLock&) = delete;

    // Creates the marker, then takes the lock. False when the lock already exists (another
    // scan holds it) or cannot be created; nothing is held then.
    bool Acquire();
    // Releases the lock and closes the marker now.
    void Release();

private:
    fw::KernelHandle m_marker;
    fw::KernelHandle m_lock;
};

}  // namespace dirvista
