#include "shared/AboutDlg.h"

#include "shared/FileVersionInfo.h"
#include "shared/res/ResourceIds.h"

#include <cstring>
#include <string>

CAboutDlg::CAboutDlg()
    : fw::CDialog(IDD_ABOUTBOX), m_brBackground(fw::MakeSolidBrush(RGB(255, 255, 255))) {}

CAboutDlg::~CAboutDlg() {
    if (m_hIcon) ::DestroyIcon(m_hIcon);
}

BOOL CAboutDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    CFileVersionInfo info;
    m_hIcon = ::LoadIconW(fw::ResourceInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    if (info.Load(fw::ResourceInstance()) && info.IsValid()) {
        wchar_t buffer[128];
        std::memset(buffer, 0, sizeof(buffer));
        info.GetStringValue(L"ProductVersion", buffer);
        std::wstring text = FormatVersionString(buffer);
        std::memset(buffer, 0, sizeof(buffer));
        info.GetStringValue(L"SpecialBuild", buffer);
        text += L" ";
        text += buffer;
        ::SetDlgItemTextW(m_hWnd, IDC_PRODUCT_VERSION, text.c_str());
        info.Reset();
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

bool CAboutDlg::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnCtlColor<&CAboutDlg::OnCtlColor>(),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) || fw::CDialog::OnWndMsg(msg, wp, lp, result);
}

LRESULT CAboutDlg::OnCtlColor(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_brBackground.Get());
}
