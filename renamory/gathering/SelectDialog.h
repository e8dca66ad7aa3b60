#pragma once
// The files-and-folders picker: the platform's classic hooked Explorer-style open dialog,
// altered so that "Select" takes any mix of selected files and folders. The result is left
// in the class-wide m_arrChosenItems for the caller to read after DoModal returns IDOK.
#include "framework/Win32.h"

#include <commdlg.h>

#include <string>
#include <vector>

class CSelectDialog {
public:
    // An open dialog: no default extension, no initial name, flags 0x80224, one filter
    // "All file types(*.*)" for *.*, and an 8192-character file buffer.
    CSelectDialog();
    virtual ~CSelectDialog();
    CSelectDialog(const CSelectDialog&) = delete;
    CSelectDialog& operator=(const CSelectDialog&) = delete;

    // IDOK when a selection was accepted, IDCANCEL otherwise.
    virtual INT_PTR DoModal();

    // The dialog's set-up, open to the caller before DoModal as with the platform's own
    // file dialog class (hwndOwner, lpstrInitialDir, lpstrTitle...).
    OPENFILENAMEW m_ofn{};
    wchar_t m_szFileBuffer[8192] = {};

    // Class-wide: outlive each showing. m_arrChosenItems holds the full paths of the last
    // accepted selection (folders in view order, then the names of the name box).
    static std::vector<std::wstring> m_arrChosenItems;
    static std::wstring m_strCurrentFolder;
    static WNDPROC m_pfnOldFrameProc;

    // Installed on the frame by OnInitDone: takes the Select click (IDOK, notification 0).
    static LRESULT CALLBACK FrameWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    // How a refusal is sounded (MessageBeep by default); tests count the calls.
    using BeepFunction = void (*)(UINT type);
    static BeepFunction SetBeepFunction(BeepFunction beep);

protected:
    // The dialog's own OK processing (a double-clicked file): FALSE accepts, TRUE keeps the
    // dialog open.
    virtual BOOL OnFileNameOK();
    virtual void OnInitDone();
    virtual void OnFolderChange();

    // The dialog box the user sees (the hook window's parent), or null.
    HWND GetFrame() const;
    std::wstring GetFolderPath() const;
    // The name box's text, as CDM_GETSPEC gives it into a buffer of 260 characters.
    std::wstring GetNameBoxText() const;
    void HideControl(int id) const;
    void SetControlText(int id, const wchar_t* text) const;

private:
    static UINT_PTR CALLBACK HookProc(HWND hook, UINT msg, WPARAM wp, LPARAM lp);
    void ArrangeControls(HWND frame) const;
    void CenterFrame(HWND frame) const;

    HWND m_hHook = nullptr;
};
