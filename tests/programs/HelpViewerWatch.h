#pragma once
// Watches for the help viewer that opening a .chm starts (hh.exe, a process of its own) and
// ends every viewer that appeared while it watched.
#include "framework/Win32.h"

#include <set>

namespace programs_testing {

class HelpViewerWatch {
public:
    // Notes the viewers that run already; they are neither reported nor ended.
    HelpViewerWatch();
    ~HelpViewerWatch();
    HelpViewerWatch(const HelpViewerWatch&) = delete;
    HelpViewerWatch& operator=(const HelpViewerWatch&) = delete;

    // A top-level window with this title that belongs to a viewer started since the watch
    // began; null when none appeared within the time. The viewer titles its window with the
    // title compiled into the help file, so the title tells which file was opened.
    HWND WaitForViewerWindow(const wchar_t* title, DWORD timeoutMs) const;

    // Viewer processes started since the watch began.
    std::set<DWORD> NewViewers() const;

private:
    std::set<DWORD> m_before;
};

}  // namespace programs_testing
