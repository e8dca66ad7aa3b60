#pragma once
// The application object: one static instance per program; wWinMain runs it.
#include "framework/Window.h"

#include <string>

namespace fw {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's start-up. Returning false ends the program (dialog programs run their
    // main dialog inside it and return false).
    virtual BOOL InitInstance() { return TRUE; }
    // The message loop, only entered when InitInstance returned true.
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    // Records the registry key the program's settings would live under; nothing is written.
    void SetRegistryKey(const wchar_t* key) { m_registryKey = key ? key : L""; }
    const std::wstring& GetRegistryKey() const { return m_registryKey; }

    // The application object of this process (the most recently constructed one).
    static CWinApp* Current();

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

private:
    std::wstring m_registryKey;
    CWinApp* m_previous = nullptr;
};

// The body of wWinMain: start-up, then the message loop if start-up asked for one.
int RunApplication(HINSTANCE instance);

}  // namespace fw
