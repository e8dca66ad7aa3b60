#include "renamory/RenamoryDlg.h"

#include "shared/HelpLauncher.h"
#include "shared/MainDialogSupport.h"
#include "shared/res/ResourceIds.h"
#include "skin/SkinManager.h"

CRenamoryDlg::CRenamoryDlg() : fw::CDialog(IDD_MAIN) {
    CSkinManager::Instance().LoadSkin(L"trelk.dat", nullptr);
    m_hIcon = ::LoadIconW(fw::ResourceInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_brBackground = fw::MakeSolidBrush(0xFFFFFF);
}

CRenamoryDlg::~CRenamoryDlg() = default;

void CRenamoryDlg::DoDataExchange() {
    Bind(1003, m_editPattern);
    Bind(1005, m_progress);
    Bind(1000, m_listFiles);
}

BOOL CRenamoryDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    AppendAboutMenuItem(m_hWnd, L"About Orvana Renamory...");
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_listFiles.InsertColumn(0, L"Current Names", LVCFMT_LEFT, 270);
    m_listFiles.InsertColumn(1, L"Modified Names", LVCFMT_LEFT, 270);
    ::EnableWindow(GetDlgItem(1004), FALSE);
    m_hPatternEdit = GetDlgItem(1003);
    return TRUE;
}

bool CRenamoryDlg::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnMessage<&CRenamoryDlg::OnSysCommand>(WM_SYSCOMMAND),
        fw::OnMessage<&CRenamoryDlg::OnPaint>(WM_PAINT),
        fw::OnMessage<&CRenamoryDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        fw::OnCtlColor<&CRenamoryDlg::OnCtlColor>(),
        fw::OnMessage<&CRenamoryDlg::OnHelpInfo>(WM_HELP),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
           fw::CDialog::OnWndMsg(msg, wp, lp, result);
}

bool CRenamoryDlg::OnSysCommand(WPARAM wp, LPARAM, LRESULT& result) {
    result = 0;
    if ((wp & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAboutBox(m_hWnd);
        return true;
    }
    if ((wp & 0xFFF0) == SC_CLOSE) {
        CloseAndFree();
        return true;
    }
    return false;
}

void CRenamoryDlg::CloseAndFree() { EndDialog(IDOK); }

bool CRenamoryDlg::OnPaint(WPARAM, LPARAM, LRESULT& result) {
    if (!IsIconic()) return false;
    PaintMinimizedIcon(m_hWnd, m_hIcon);
    result = 0;
    return true;
}

LRESULT CRenamoryDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }

LRESULT CRenamoryDlg::OnCtlColor(WPARAM wp, LPARAM) {
    ::SetBkColor(reinterpret_cast<HDC>(wp), 0xFFFFFF);
    return reinterpret_cast<LRESULT>(m_brBackground.Get());
}

LRESULT CRenamoryDlg::OnHelpInfo(WPARAM, LPARAM) { return LaunchUserGuide(); }
