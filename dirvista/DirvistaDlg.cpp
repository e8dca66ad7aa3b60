#include "dirvista/DirvistaDlg.h"

#include "framework/MessageBoxSeam.h"
#include "shared/HelpLauncher.h"
#include "shared/MainDialogSupport.h"
#include "shared/res/ResourceIds.h"
#include "skin/SkinManager.h"

CDirvistaDlg::CDirvistaDlg() : fw::CDialog(IDD_MAIN) {
    CSkinManager::Instance().LoadSkin(L"trelk.dat", nullptr);
    m_hIcon = ::LoadIconW(fw::ResourceInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

CDirvistaDlg::~CDirvistaDlg() = default;

BOOL CDirvistaDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    AppendAboutMenuItem(m_hWnd, L"About Orvana Dirvista...");
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_brBackground = fw::MakeSolidBrush(RGB(255, 255, 255));
    return TRUE;
}

bool CDirvistaDlg::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnMessage<&CDirvistaDlg::OnSysCommand>(WM_SYSCOMMAND),
        fw::OnMessage<&CDirvistaDlg::OnPaint>(WM_PAINT),
        fw::OnMessage<&CDirvistaDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        fw::OnCtlColor<&CDirvistaDlg::OnCtlColor>(),
        fw::OnMessage<&CDirvistaDlg::OnHelpInfo>(WM_HELP),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
           fw::CDialog::OnWndMsg(msg, wp, lp, result);
}

bool CDirvistaDlg::OnSysCommand(WPARAM wp, LPARAM, LRESULT& result) {
    result = 0;
    if ((wp & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAboutBox(m_hWnd);
        return true;
    }
    if ((wp & 0xFFF0) == SC_CLOSE) {
        ConfirmClose();
        return true;
    }
    return false;
}

void CDirvistaDlg::ConfirmClose() {
    m_hCloseProbe = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, kScanRunningEventName);
    if (!m_hCloseProbe) {
        EndDialog(1);
        return;
    }
    const int answer = fw::ShowMessageBox(
        m_hWnd,
        L"Load Folder Information process is in progress!\nAre you sure you want to abort and close the application?",
        kDirvistaCaption, MB_YESNO | MB_ICONQUESTION);
    ::CloseHandle(m_hCloseProbe);
    m_hCloseProbe = nullptr;
    if (answer != IDYES) return;
    EndDialog(1);
}

bool CDirvistaDlg::OnPaint(WPARAM, LPARAM, LRESULT& result) {
    if (!IsIconic()) return false;
    PaintMinimizedIcon(m_hWnd, m_hIcon);
    result = 0;
    return true;
}

LRESULT CDirvistaDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }

LRESULT CDirvistaDlg::OnCtlColor(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_brBackground.Get());
}

LRESULT CDirvistaDlg::OnHelpInfo(WPARAM, LPARAM) { return LaunchUserGuide(); }
