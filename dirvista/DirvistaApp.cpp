#include "dirvista/DirvistaApp.h"

#include "dirvista/DirvistaDlg.h"
#include "shared/SingleInstance.h"

BOOL CDirvistaApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{8, 0xFF};
    ::InitCommonControlsEx(&controls);
    fw::CWinApp::InitInstance();

    // The mutex stays owned until the process ends; its handle is not kept.
    HANDLE mutex = nullptr;
    if (ClaimFirstInstance(kDirvistaMutexName, mutex)) {
        SetRegistryKey(L"Local AppWizard-Generated Applications");
        CDirvistaDlg dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    } else {
        RaiseRunningInstance(kDirvistaWindowTitle);
    }
    return FALSE;
}
