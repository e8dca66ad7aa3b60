#include "framework/App.h"

namespace fw {

namespace {
CWinApp*& CurrentApp() {
    static CWinApp* app = nullptr;
    return app;
}
}  // namespace

CWinApp::CWinApp() : m_hInstance(::GetModuleHandleW(nullptr)), m_previous(CurrentApp()) {
    CurrentApp() = this;
}

CWinApp::~CWinApp() {
    if (CurrentApp() == this) CurrentApp() = m_previous;
}

CWinApp* CWinApp::Current() { return CurrentApp(); }

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

int RunApplication(HINSTANCE instance) {
    CWinApp* app = CWinApp::Current();
    if (!app) return 1;
    app->m_hInstance = instance;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}

}  // namespace fw
