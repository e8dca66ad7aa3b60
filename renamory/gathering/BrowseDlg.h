#pragma once
// "Add Files and Folders": the batch renamer's own browse dialog. Lists one folder at a time
// (double-click to go down, Up, the drive box) and leaves the full paths of the selected
// rows in the application object's m_lstPickedPaths when "Add..." is pressed.
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

#include <string>
#include <vector>

class CBrowseDlg : public fw::CDialog {
public:
    CBrowseDlg();
    ~CBrowseDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Fills the list from m_strCurrentPath; FALSE when the folder cannot be searched.
    BOOL ListFolder();
    // Moves to the parent folder, never above the drive.
    void GoUp();

    // The text after the last "\" of `path`, or all of it.
    static std::wstring GetLastComponent(const std::wstring& path);
    // The path's icon in the system small-icon image list.
    static int GetSysIconIndex(const std::wstring& path);
    // "B:" to "Z:" for the set bits 1 to 31 of a GetLogicalDrives mask; bit 0 (A:) is never
    // offered.
    static std::vector<std::wstring> DriveNames(DWORD mask);

    // The folder listed, without a trailing backslash ("C:" at a drive root).
    std::wstring m_strCurrentPath;
    fw::CComboBox m_cmbDrives;
    fw::CListCtrl m_lstEntries;
    // What the read-only edit shows: the current folder.
    std::wstring m_strFileName;
    fw::CBrush m_brBackground;

protected:
    void DoDataExchange() override;
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void OnDblclkEntries(NMHDR* header, LRESULT* result);
    void OnSelendokDrives();
    void OnBnClickedUp();
    LRESULT OnCtlColor(WPARAM dc, LPARAM control);

    // Shows m_strFileName in the edit (the data exchange towards the controls).
    void ShowFileName();
    // Inserts the entries of a started search at the top, one row each, skipping "." and "..".
    void InsertFoundEntries(const std::wstring& folder, HANDLE search, WIN32_FIND_DATAW& found);
};
