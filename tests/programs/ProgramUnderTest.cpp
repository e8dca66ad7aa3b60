#include "programs/ProgramUnderTest.h"

#include "support/Pump.h"

namespace programs_testing {

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND wnd, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(wnd, &owner);
    if (owner != search.processId || !::IsWindowVisible(wnd)) return TRUE;
    wchar_t className[16]{};
    wchar_t text[64]{};
    ::GetClassNameW(wnd, className, 16);
    ::GetWindowTextW(wnd, text, 64);
    if (wcscmp(className, L"#32770") == 0 && wcscmp(text, search.caption) == 0) {
        search.found = wnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ProgramUnderTest::~ProgramUnderTest() {
    if (m_process && !WaitForExit(0)) {
        ::TerminateProcess(m_process.Get(), 1);
        WaitForExit(5000);
    }
}

bool ProgramUnderTest::Start(const std::wstring& exe, const std::wstring& workingFolder) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.c_str(), &startup, &info))
        return false;
    m_process.Reset(info.hProcess);
    fw::KernelHandle thread(info.hThread);
    m_processId = info.dwProcessId;
    m_threadId = info.dwThreadId;
    return true;
}

HWND ProgramUnderTest::WaitForMainWindow(const wchar_t* caption, DWORD timeoutMs) {
    WindowSearch search{m_processId, caption, nullptr};
    testing_support::PumpUntil(
        [&] {
            ::EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr || WaitForExit(0);
        },
        timeoutMs);
    return search.found;
}

bool ProgramUnderTest::WaitForExit(DWORD timeoutMs) const {
    return m_process && ::WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD ProgramUnderTest::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_process) ::GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

std::wstring WindowsPathOfUnixPath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

}  // namespace programs_testing
