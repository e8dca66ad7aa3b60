#pragma once
// One of the suite's programs started as its own process, the way a user starts it from
// Explorer: from its folder, which is then its working folder.
#include "framework/Handles.h"
#include "framework/Win32.h"

#include <string>

namespace programs_testing {

class ProgramUnderTest {
public:
    ProgramUnderTest() = default;
    // Ends the process if it still runs, so a failed test leaves no instance behind (the
    // next start would otherwise find the single-instance mutex taken).
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Starts `exe` with `workingFolder` as its current folder; false when it did not start.
    bool Start(const std::wstring& exe, const std::wstring& workingFolder);

    // The process's visible top-level dialog (class #32770) with this caption, once it
    // exists; null when none appeared within the time.
    HWND WaitForMainWindow(const wchar_t* caption, DWORD timeoutMs);

    // Waits for the process to end; true when it ended within the time.
    bool WaitForExit(DWORD timeoutMs) const;
    DWORD ExitCode() const;
    DWORD ProcessId() const { return m_processId; }
    DWORD ThreadId() const { return m_threadId; }

private:
    fw::KernelHandle m_process;
    DWORD m_processId = 0;
    DWORD m_threadId = 0;
};

// "Z:" and the path with backslashes: Wine's drive Z: is the whole Linux file system.
std::wstring WindowsPathOfUnixPath(const char* unixPath);

}  // namespace programs_testing
