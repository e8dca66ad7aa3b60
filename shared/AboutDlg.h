#pragma once
// The About box both programs show: two pictures, the product version, a copyright line.
#include "framework/Dialog.h"
#include "framework/Gdi.h"

class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    BOOL OnInitDialog() override;

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    LRESULT OnCtlColor(WPARAM wp, LPARAM lp);

    HICON m_hIcon = nullptr;
    fw::CBrush m_brBackground;
};
