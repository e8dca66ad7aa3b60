#pragma once
// The batch renamer's main window.
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

class CRenamoryDlg : public fw::CDialog {
public:
    CRenamoryDlg();
    ~CRenamoryDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override {}
    // Escape never closes the window.
    void OnCancel() override {}

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void DoDataExchange() override;

private:
    bool OnSysCommand(WPARAM wp, LPARAM lp, LRESULT& result);
    bool OnPaint(WPARAM wp, LPARAM lp, LRESULT& result);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnCtlColor(WPARAM, LPARAM);
    LRESULT OnHelpInfo(WPARAM, LPARAM);
    void CloseAndFree();

    fw::CBrush m_brBackground;
    HICON m_hIcon = nullptr;
    fw::CEdit m_editPattern;
    fw::CProgressCtrl m_progress;
    fw::CListCtrl m_listFiles;
    HWND m_hPatternEdit = nullptr;
};
