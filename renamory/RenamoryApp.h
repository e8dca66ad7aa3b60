#pragma once
#include "framework/App.h"
#include "framework/Controls.h"

#include <list>
#include <string>

inline constexpr wchar_t kRenamoryMutexName[] = L"Global\\Orvana_Renamory-15498461320-709674";
inline constexpr wchar_t kRenamoryWindowTitle[] = L"OrvanaRenamory";
inline constexpr wchar_t kRenamoryCaption[] = L"Orvana Renamory";

class CRenamoryApp : public fw::CWinApp {
public:
    ~CRenamoryApp() override;

    // Runs the main dialog when no other instance runs; always returns false.
    BOOL InitInstance() override;

    static CRenamoryApp* Get() { return static_cast<CRenamoryApp*>(fw::CWinApp::Current()); }

    // The system small-icon image list (borrowed, never destroyed), attached at start-up on
    // systems of class 3 for the Add Files and Folders dialog.
    fw::CImageList m_imlSystemSmall;
    // The paths the Add Files and Folders dialog leaves for the main dialog.
    std::list<std::wstring> m_lstPickedPaths;
    HANDLE m_hMutex = nullptr;
};
