#include "renamory/gathering/BrowseDlg.h"

#include "framework/Handles.h"
#include "framework/MessageBoxSeam.h"
#include "renamory/RenamoryApp.h"
#include "shared/res/ResourceIds.h"

namespace {

constexpr UINT kEditFileName = 1008;
constexpr UINT kListEntries = 1009;
constexpr UINT kComboDrives = 1010;
constexpr UINT kButtonUp = 1011;

CRenamoryApp* App() { return CRenamoryApp::Get(); }

// Shown without a parent of its own, the dialog is owned by the application's main window,
// which it disables while it runs.
HWND MainWindow() {
    const fw::CWinApp* app = fw::CWinApp::Current();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

}  // namespace

CBrowseDlg::CBrowseDlg()
    : fw::CDialog(IDD_ADD_FILES, MainWindow()), m_brBackground(fw::MakeSolidBrush(RGB(255, 255, 255))) {}

// The system image list given to the entry list is borrowed: the list must not destroy it,
// and a report list view without LVS_SHAREIMAGELISTS would. Take it back before the list goes.
CBrowseDlg::~CBrowseDlg() {
    if (m_lstEntries.m_hWnd) m_lstEntries.SetImageList(nullptr, LVSIL_SMALL);
}

void CBrowseDlg::DoDataExchange() {
    Bind(kComboDrives, m_cmbDrives);
    Bind(kListEntries, m_lstEntries);
    ShowFileName();
}

bool CBrowseDlg::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnNotify<&CBrowseDlg::OnDblclkEntries>(kListEntries, NM_DBLCLK),
        fw::OnCommand<&CBrowseDlg::OnSelendokDrives>(kComboDrives, CBN_SELENDOK),
        fw::OnCommand<&CBrowseDlg::OnBnClickedUp>(kButtonUp),
        fw::OnCtlColor<&CBrowseDlg::OnCtlColor>(),
    };
    if (msg == WM_DESTROY && m_lstEntries.m_hWnd) m_lstEntries.SetImageList(nullptr, LVSIL_SMALL);
    return fw::Dispatch(*this, routes, msg, wp, lp, result) || fw::CDialog::OnWndMsg(msg, wp, lp, result);
}

std::vector<std::wstring> CBrowseDlg::DriveNames(DWORD mask) {
    std::vector<std::wstring> names;
    for (int bit = 1; bit < 32; ++bit) {
        if (mask & (1u << bit)) names.push_back(std::wstring(1, static_cast<wchar_t>(L'A' + bit)) + L':');
    }
    return names;
}

BOOL CBrowseDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    CRenamoryApp* app = App();
    if (app) app->m_lstPickedPaths.clear();

    for (const std::wstring& drive : DriveNames(::GetLogicalDrives())) m_cmbDrives.AddString(drive);
    // m_strCurrentPath is still empty here, so in effect the first drive is chosen.
    const std::wstring start = m_strCurrentPath.substr(0, 2);
    int index = static_cast<int>(m_cmbDrives.SendMessage(CB_FINDSTRING, static_cast<WPARAM>(-1),
                                                         reinterpret_cast<LPARAM>(start.c_str())));
    if (index == CB_ERR) index = 0;
    m_cmbDrives.SetCurSel(index);
    m_strCurrentPath = m_cmbDrives.GetLBText(m_cmbDrives.GetCurSel());
    m_strFileName = m_strCurrentPath;
    ShowFileName();

    const RECT client = m_lstEntries.GetClientRect();
    m_lstEntries.InsertColumn(0, L"Names", LVCFMT_LEFT, client.right - client.left);
    if (app) m_lstEntries.SetImageList(app->m_imlSystemSmall.GetSafeHandle(), LVSIL_SMALL);
    ListFolder();
    return TRUE;
}

void CBrowseDlg::InsertFoundEntries(const std::wstring& folder, HANDLE search, WIN32_FIND_DATAW& found) {
    // Wine's list view repaints on every insertion while redrawing is on, which makes a
    // folder of thousands of entries take minutes; it is painted once at the end instead.
    m_lstEntries.SendMessage(WM_SETREDRAW, FALSE);
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        // Each row goes to the top, so the list shows the search order reversed.
        m_lstEntries.InsertItem(0, GetLastComponent(path), GetSysIconIndex(path));
    } while (::FindNextFileW(search, &found));
    m_lstEntries.SendMessage(WM_SETREDRAW, TRUE);
    m_lstEntries.Invalidate();
}

BOOL CBrowseDlg::ListFolder() {
    m_lstEntries.DeleteAllItems();
    WIN32_FIND_DATAW found{};
    fw::FindHandle search(::FindFirstFileW((m_strCurrentPath + L"\\*.*").c_str(), &found));
    if (!search) return FALSE;
    InsertFoundEntries(m_strCurrentPath, search.Get(), found);
    return TRUE;
}

void CBrowseDlg::GoUp() {
    const std::wstring last = GetLastComponent(m_strCurrentPath);
    if (last.size() < m_strCurrentPath.size()) {
        m_strCurrentPath.resize(m_strCurrentPath.size() - last.size() - 1);
        ListFolder();
    }
    m_strFileName = m_strCurrentPath;
    ShowFileName();
}

std::wstring CBrowseDlg::GetLastComponent(const std::wstring& path) {
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

int CBrowseDlg::GetSysIconIndex(const std::wstring& path) {
    SHFILEINFOW info{};
    ::SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    return info.iIcon;
}

void CBrowseDlg::OnDblclkEntries(NMHDR*, LRESULT* result) {
    const int row = m_lstEntries.GetNextItem(-1, LVNI_SELECTED);
    if (row != -1) {
        // The topmost selected row, whichever row was double-clicked.
        const std::wstring path = m_strCurrentPath + L"\\" + m_lstEntries.GetItemText(row, 0);
        WIN32_FIND_DATAW found{};
        fw::FindHandle search(::FindFirstFileW(path.c_str(), &found));
        if (search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            m_strCurrentPath = path;
            m_lstEntries.DeleteAllItems();
            m_strFileName = path;
            if (!ListFolder()) {
                GoUp();
                fw::ShowMessageBox(m_hWnd, L"Access Denied", kRenamoryCaption, MB_ICONHAND);
            }
        }
    }
    ShowFileName();
    *result = 0;
}

void CBrowseDlg::OnSelendokDrives() {
    const int selected = m_cmbDrives.GetCurSel();
    if (selected == CB_ERR) return;
    const std::wstring drive = m_cmbDrives.GetLBText(selected);
    m_lstEntries.DeleteAllItems();
    WIN32_FIND_DATAW found{};
    fw::FindHandle search(::FindFirstFileW((drive + L"\\*.*").c_str(), &found));
    m_strFileName = drive;
    if (!search) {
        // Not ready or unreadable: the list stays empty and the current folder is kept; the
        // edit goes on showing the previous folder until its next refresh.
        return;
    }
    m_strCurrentPath = drive;
    InsertFoundEntries(drive, search.Get(), found);
    ShowFileName();
}

void CBrowseDlg::OnBnClickedUp() { GoUp(); }

LRESULT CBrowseDlg::OnCtlColor(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_brBackground.Get()); }

void CBrowseDlg::OnOK() {
    if (CRenamoryApp* app = App()) {
        const UINT count = static_cast<UINT>(m_lstEntries.SendMessage(LVM_GETSELECTEDCOUNT));
        int row = -1;
        for (UINT i = 0; i < count; ++i) {
            row = m_lstEntries.GetNextItem(row, LVNI_SELECTED);
            if (row == -1) break;
            app->m_lstPickedPaths.push_back(m_strCurrentPath + L"\\" + m_lstEntries.GetItemText(row, 0));
        }
    }
    // The bound edit is read-only; reading it back only keeps the member in step.
    if (const HWND edit = GetDlgItem(kEditFileName)) {
        const int length = ::GetWindowTextLengthW(edit);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(::GetWindowTextW(edit, text.data(), length + 1)));
        m_strFileName = text;
    }
    fw::CDialog::OnOK();
}

void CBrowseDlg::ShowFileName() {
    if (m_hWnd) ::SetDlgItemTextW(m_hWnd, kEditFileName, m_strFileName.c_str());
}
