#pragma once
// The folder size viewer's main window.
#include "framework/Dialog.h"
#include "framework/Gdi.h"

inline constexpr wchar_t kDirvistaCaption[] = L"Orvana Dirvista";
inline constexpr wchar_t kScanRunningEventName[] = L"LOAD_INFO_EVENT";

class CDirvistaDlg : public fw::CDialog {
public:
    CDirvistaDlg();
    ~CDirvistaDlg() override;

    BOOL OnInitDialog() override;
    // Enter and Escape must not end the window.
    void OnOK() override {}
    void OnCancel() override {}

    // Ends the dialog at once when no scan runs; otherwise asks first.
    void ConfirmClose();

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool OnSysCommand(WPARAM wp, LPARAM lp, LRESULT& result);
    bool OnPaint(WPARAM wp, LPARAM lp, LRESULT& result);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnCtlColor(WPARAM, LPARAM);
    LRESULT OnHelpInfo(WPARAM, LPARAM);

    fw::CBrush m_brBackground;
    HICON m_hIcon = nullptr;
    HANDLE m_hCloseProbe = nullptr;
};
