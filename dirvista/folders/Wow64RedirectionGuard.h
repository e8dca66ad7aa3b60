#pragma once
// Turns WoW64 file-system redirection off for the calling thread while the guard lives.
// A 32-bit program on 64-bit Windows is otherwise shown SysWOW64 whenever it opens
// System32, so listings and sizes of C:\Windows\System32 would be those of another folder.
// Redirection is per thread: the guard must live on the thread that opens the folders.
// Where there is no redirection (a 64-bit program, 32-bit Windows) the system call fails
// and the guard does nothing.
#include "framework/Win32.h"

namespace dirvista {

class Wow64RedirectionGuard {
public:
    Wow64RedirectionGuard();
    ~Wow64RedirectionGuard();
    Wow64RedirectionGuard(const Wow64RedirectionGuard&) = delete;
    Wow64RedirectionGuard& operator=(const Wow64RedirectionGuard&) = delete;

    // True when this guard turned redirection off and will turn it back on.
    bool IsActive() const { return m_bDisabled; }

    // The two system functions, replaceable so that tests can watch the guard work on a
    // 64-bit build, where the real ones do nothing.
    struct Api {
        BOOL(WINAPI* disable)(PVOID* oldValue);
        BOOL(WINAPI* revert)(PVOID oldValue);
    };
    static Api SystemApi();
    // Installs `api` for guards made from now on; returns the one it replaces.
    static Api ReplaceApi(Api api);

private:
    Api m_api;
    PVOID m_pOldValue = nullptr;
    bool m_bDisabled = false;
};

}  // namespace dirvista
