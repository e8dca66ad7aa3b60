#include "shared/HelpLauncher.h"

#include <utility>

namespace {
ShellOpenFunction& ShellOpen() {
    static ShellOpenFunction open;
    return open;
}
}  // namespace

ShellOpenFunction SetShellOpenFunction(ShellOpenFunction open) {
    return std::exchange(ShellOpen(), std::move(open));
}

BOOL LaunchUserGuide() {
    HANDLE lock = ::CreateMutexW(nullptr, TRUE, kHelpLockName);
    if (!lock) return FALSE;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another launch is under way in this or another program of the suite.
        ::ReleaseMutex(lock);
        ::CloseHandle(lock);
        return FALSE;
    }
    if (ShellOpen())
        ShellOpen()(kHelpFileName);
    else
        ::ShellExecuteW(nullptr, L"open", kHelpFileName, nullptr, nullptr, SW_SHOWNORMAL);
    ::ReleaseMutex(lock);
    ::CloseHandle(lock);
    return TRUE;
}
