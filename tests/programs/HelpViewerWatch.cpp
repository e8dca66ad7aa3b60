#include "programs/HelpViewerWatch.h"

#include "framework/Handles.h"
#include "support/Pump.h"

#include <tlhelp32.h>

namespace programs_testing {

namespace {

std::set<DWORD> RunningViewers() {
    std::set<DWORD> ids;
    fw::FileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more;
         more = ::Process32NextW(snapshot.Get(), &entry)) {
        if (_wcsicmp(entry.szExeFile, L"hh.exe") == 0) ids.insert(entry.th32ProcessID);
    }
    return ids;
}

struct ViewerWindowSearch {
    const std::set<DWORD>* viewers;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchViewerWindow(HWND wnd, LPARAM param) {
    auto& search = *reinterpret_cast<ViewerWindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(wnd, &owner);
    if (!search.viewers->count(owner)) return TRUE;
    wchar_t text[128]{};
    ::GetWindowTextW(wnd, text, 128);
    if (wcscmp(text, search.title) != 0) return TRUE;
    search.found = wnd;
    return FALSE;
}

}  // namespace

HelpViewerWatch::HelpViewerWatch() : m_before(RunningViewers()) {}

HelpViewerWatch::~HelpViewerWatch() {
    for (DWORD id : NewViewers()) {
        fw::KernelHandle viewer(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        if (!viewer) continue;
        ::TerminateProcess(viewer.Get(), 0);
        ::WaitForSingleObject(viewer.Get(), 5000);
    }
}

std::set<DWORD> HelpViewerWatch::NewViewers() const {
    std::set<DWORD> started;
    for (DWORD id : RunningViewers())
        if (!m_before.count(id)) started.insert(id);
    return started;
}

HWND HelpViewerWatch::WaitForViewerWindow(const wchar_t* title, DWORD timeoutMs) const {
    HWND found = nullptr;
    testing_support::PumpUntil(
        [&] {
            const std::set<DWORD> viewers = NewViewers();
            ViewerWindowSearch search{&viewers, title, nullptr};
            ::EnumWindows(MatchViewerWindow, reinterpret_cast<LPARAM>(&search));
            found = search.found;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

}  // namespace programs_testing
