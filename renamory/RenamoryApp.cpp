#include "renamory/RenamoryApp.h"

#include "framework/MessageBoxSeam.h"
#include "renamory/OsClass.h"
#include "renamory/RenamoryDlg.h"
#include "shared/SingleInstance.h"

#include <ole2.h>

CRenamoryApp::~CRenamoryApp() {
    if (m_hMutex) {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
}

BOOL CRenamoryApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{8, 0xFF};
    ::InitCommonControlsEx(&controls);
    if (FAILED(::OleInitialize(nullptr))) {
        fw::ShowMessageBox(nullptr, L"Unable to initialize OLE.\nTerminating application!",
                           kRenamoryCaption, MB_OK);
        return FALSE;
    }
    fw::CWinApp::InitInstance();

    if (ClaimFirstInstance(kRenamoryMutexName, m_hMutex)) {
        SetRegistryKey(L"Local AppWizard-Generated Applications");
        if (GetOsClass() == kOsWindowsVista) {
            SHFILEINFOW info{};
            auto list = reinterpret_cast<HIMAGELIST>(
                ::SHGetFileInfoW(L"c:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
            m_imlSystemSmall.Attach(list, false);
        }
        CRenamoryDlg dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    } else {
        RaiseRunningInstance(kRenamoryWindowTitle);
    }
    ::OleUninitialize();
    return FALSE;
}
