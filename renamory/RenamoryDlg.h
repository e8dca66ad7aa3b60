#pragma once
// The batch renamer's main window.
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/Handles.h"
#include "renamory/DropTargetSeam.h"
#include "renamory/engine/PathList.h"

#include <memory>
#include <string>

namespace renamory {
class RenameJob;
}

// Control identifiers of the main dialog's template.
enum RenamoryControlId : int {
    kIdFileList = 1000,
    kIdAdd = 1001,
    kIdRemove = 1002,
    kIdPattern = 1003,
    kIdStart = 1004,
    kIdProgress = 1005,
    kIdPreview = 1007,
    kIdTokenName = 1012,
    kIdTokenCount = 1013,
    kIdTokenRandom = 1014,
    kIdTokenDate = 1015,
    kIdTokenTime = 1016,
};

class CRenamoryDlg : public fw::CDialog {
public:
    CRenamoryDlg();
    ~CRenamoryDlg() override;

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    // Enter runs Preview.
    void OnOK() override { OnPreview(); }
    // Escape never closes the window.
    void OnCancel() override {}

    // The pairs the last Preview (or pattern-mode Start) built, by position.
    const renamory::PathList& CurrentPaths() const { return m_currentPaths; }
    const renamory::PathList& NewPaths() const { return m_newPaths; }
    bool IsRenameRunning() const { return m_runningJob != nullptr; }

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void DoDataExchange() override;

private:
    bool OnSysCommand(WPARAM wp, LPARAM lp, LRESULT& result);
    bool OnPaint(WPARAM wp, LPARAM lp, LRESULT& result);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnCtlColor(WPARAM, LPARAM);
    LRESULT OnHelpInfo(WPARAM, LPARAM);
    void OnDestroy();
    // Rows dragged out of the file list.
    void OnBeginDragFiles(NMHDR* header, LRESULT* result);
    void OnAdd();
    void OnRemove();
    void OnPreview();
    void OnStart();
    void OnTokenName() { AppendToken(L"[NAME]"); }
    void OnTokenCount() { AppendToken(L"[COUNT]"); }
    void OnTokenRandom() { AppendToken(L"[RAND]"); }
    void OnTokenDate() { AppendToken(L"[DATE]"); }
    void OnTokenTime() { AppendToken(L"[TIME]"); }
    LRESULT OnRenameProgress(WPARAM wp, LPARAM lp);
    LRESULT OnRenameDone(WPARAM wp, LPARAM lp);

    void AppendToken(const wchar_t* token);
    std::wstring ReadPatternEdit() const;
    void EnableStart(bool enable) const;
    void ShowMessage(const wchar_t* text, UINT style = MB_ICONEXCLAMATION);
    void CloseAndFree();
    void StopWorkerAndWait();

    fw::CBrush m_brBackground;
    HICON m_hIcon = nullptr;
    std::unique_ptr<renamory::CDropRegistration> m_dropTarget;
    renamory::PathList m_currentPaths;
    renamory::PathList m_newPaths;
    fw::CEdit m_editPattern;
    fw::CProgressCtrl m_progress;
    // The pattern as last read from the edit by Preview or Start.
    std::wstring m_pattern;
    fw::CListCtrl m_listFiles;
    HWND m_hPatternEdit = nullptr;
    // The run in progress (null when none) and the last worker thread.
    std::shared_ptr<renamory::RenameJob> m_runningJob;
    fw::KernelHandle m_hRenameThread;
    bool m_bCloseWhenRunEnds = false;
};
