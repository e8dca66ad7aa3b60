#include "shared/SingleInstance.h"

bool ClaimFirstInstance(const wchar_t* mutexName, HANDLE& mutex) {
    mutex = ::CreateMutexW(nullptr, TRUE, mutexName);
    const DWORD error = ::GetLastError();
    return mutex != nullptr && error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED;
}

void RaiseRunningInstance(const wchar_t* windowTitle) {
    HWND running = ::FindWindowW(nullptr, windowTitle);
    if (!running) return;
    ::SetForegroundWindow(running);
    if (::IsIconic(running)) ::ShowWindow(running, SW_RESTORE);
    ::FlashWindow(running, TRUE);
}
