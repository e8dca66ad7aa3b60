#include "renamory/gathering/SelectDialog.h"

#include "framework/App.h"
#include "renamory/gathering/NameBoxParser.h"

#include <dlgs.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <iterator>

std::vector<std::wstring> CSelectDialog::m_arrChosenItems;
std::wstring CSelectDialog::m_strCurrentFolder;
WNDPROC CSelectDialog::m_pfnOldFrameProc = nullptr;

namespace {

constexpr wchar_t kObjectProperty[] = L"Orvana.CSelectDialog";
constexpr wchar_t kFilter[] = L"All file types(*.*)\0*.*\0";
constexpr DWORD kPickerFlags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
constexpr int kNameBoxCapacity = 260;

void DefaultBeep(UINT type) { ::MessageBeep(type); }
CSelectDialog::BeepFunction g_beep = &DefaultBeep;

CSelectDialog* ObjectOfFrame(HWND frame) {
    return static_cast<CSelectDialog*>(::GetPropW(frame, kObjectProperty));
}

// The item view's list: the shell view (lst2) holds a list view with the id 1.
HWND ItemList(HWND view) { return view ? ::GetDlgItem(view, 1) : nullptr; }

int SelectedCount(HWND list) {
    return list ? static_cast<int>(::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0)) : 0;
}

std::wstring ItemText(HWND list, int index) {
    wchar_t buffer[MAX_PATH] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = buffer;
    item.cchTextMax = MAX_PATH;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

// A child's rectangle in the frame's client coordinates.
bool ChildRect(HWND frame, HWND child, RECT& rect) {
    if (!child || !::GetWindowRect(child, &rect)) return false;
    ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}

void Place(HWND child, int x, int y, int width, int height) {
    ::SetWindowPos(child, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

CSelectDialog::CSelectDialog() {
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFilter = kFilter;
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrFile = m_szFileBuffer;
    m_ofn.nMaxFile = static_cast<DWORD>(std::size(m_szFileBuffer));
    m_ofn.Flags = kPickerFlags;
    m_ofn.lpfnHook = &CSelectDialog::HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
}

CSelectDialog::~CSelectDialog() = default;

CSelectDialog::BeepFunction CSelectDialog::SetBeepFunction(BeepFunction beep) {
    BeepFunction previous = g_beep;
    g_beep = beep ? beep : &DefaultBeep;
    return previous;
}

INT_PTR CSelectDialog::DoModal() {
    std::fill(std::begin(m_szFileBuffer), std::end(m_szFileBuffer), L'\0');
    m_ofn.lpstrFile = m_szFileBuffer;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (!m_ofn.hwndOwner) {
        // No parent given: the application's main window owns the dialog.
        if (fw::CWinApp* app = fw::CWinApp::Current(); app && app->m_pMainWnd)
            m_ofn.hwndOwner = app->m_pMainWnd->GetSafeHwnd();
    }
    const BOOL accepted = ::GetOpenFileNameW(&m_ofn);
    m_hHook = nullptr;
    return accepted ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CSelectDialog::HookProc(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(lp);
        auto* self = ofn ? reinterpret_cast<CSelectDialog*>(ofn->lCustData) : nullptr;
        if (self) {
            self->m_hHook = hook;
            ::SetPropW(hook, kObjectProperty, self);
        }
        return TRUE;
    }
    if (msg == WM_DESTROY) {
        ::RemovePropW(hook, kObjectProperty);
        return FALSE;
    }
    if (msg != WM_NOTIFY || !lp) return FALSE;
    auto* self = static_cast<CSelectDialog*>(::GetPropW(hook, kObjectProperty));
    if (!self) return FALSE;
    switch (reinterpret_cast<const NMHDR*>(lp)->code) {
    case CDN_INITDONE:
        self->OnInitDone();
        return FALSE;
    case CDN_FOLDERCHANGE:
        self->OnFolderChange();
        return FALSE;
    case CDN_FILEOK: {
        // Non-zero in DWLP_MSGRESULT keeps the dialog open.
        const BOOL keepOpen = self->OnFileNameOK();
        ::SetWindowLongPtrW(hook, DWLP_MSGRESULT, keepOpen ? 1 : 0);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

HWND CSelectDialog::GetFrame() const { return m_hHook ? ::GetParent(m_hHook) : nullptr; }

std::wstring CSelectDialog::GetFolderPath() const {
    const HWND frame = GetFrame();
    if (!frame) return {};
    const LRESULT needed = ::SendMessageW(frame, CDM_GETFOLDERPATH, 0, 0);
    if (needed <= 0) return {};
    std::wstring path(static_cast<size_t>(needed) + 1, L'\0');
    ::SendMessageW(frame, CDM_GETFOLDERPATH, static_cast<WPARAM>(path.size()),
                   reinterpret_cast<LPARAM>(path.data()));
    path.resize(wcslen(path.c_str()));
    return path;
}

std::wstring CSelectDialog::GetNameBoxText() const {
    const HWND frame = GetFrame();
    wchar_t buffer[kNameBoxCapacity] = {};
    if (frame && ::SendMessageW(frame, CDM_GETSPEC, kNameBoxCapacity, reinterpret_cast<LPARAM>(buffer)) < 0)
        buffer[0] = L'\0';
    buffer[kNameBoxCapacity - 1] = L'\0';
    return buffer;
}

void CSelectDialog::HideControl(int id) const {
    if (const HWND frame = GetFrame()) ::SendMessageW(frame, CDM_HIDECONTROL, static_cast<WPARAM>(id), 0);
}

void CSelectDialog::SetControlText(int id, const wchar_t* text) const {
    if (const HWND frame = GetFrame())
        ::SendMessageW(frame, CDM_SETCONTROLTEXT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(text));
}

void CSelectDialog::OnInitDone() {
    m_strCurrentFolder = GetFolderPath();
    const HWND frame = GetFrame();
    if (!frame) return;
    HideControl(edt1);
    HideControl(cmb1);
    HideControl(stc2);
    ArrangeControls(frame);
    SetControlText(stc3, L"Item name:");
    SetControlText(IDOK, L"Select");
    ::SetPropW(frame, kObjectProperty, this);
    m_pfnOldFrameProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSelectDialog::FrameWindowProc)));
    CenterFrame(frame);
}

// Select goes 5 pixels left of Cancel on its row, the item view ends 5 pixels above that
// row, and "Item name:" with the name box go on the row to the left of Select. The fixed
// offsets fit the layout of Windows' own dialog; a dialog laid out otherwise (Wine's, whose
// name box is wider and whose label sits further right) gets the same arrangement fitted
// to its own sizes.
void CSelectDialog::ArrangeControls(HWND frame) const {
    RECT cancel{}, ok{}, list{}, label{}, names{};
    if (!ChildRect(frame, ::GetDlgItem(frame, IDCANCEL), cancel)) return;
    const int L = cancel.left, T = cancel.top;
    const HWND okButton = ::GetDlgItem(frame, IDOK);
    const HWND placeholder = ::GetDlgItem(frame, lst1);
    const HWND labelWnd = ::GetDlgItem(frame, stc3);
    const HWND namesWnd = ::GetDlgItem(frame, cmb13);

    if (ChildRect(frame, okButton, ok)) {
        Place(okButton, L - Width(ok) - 5, T, Width(ok), Height(ok));
        ChildRect(frame, okButton, ok);
    }
    if (ChildRect(frame, placeholder, list)) {
        Place(placeholder, list.left, list.top, Width(list), std::abs(list.top + 5 - T));
        ChildRect(frame, placeholder, list);
    }
    const bool haveLabel = ChildRect(frame, labelWnd, label);
    const bool haveNames = ChildRect(frame, namesWnd, names);
    RECT newLabel{L - 375, T + 5, L - 375 + Width(label), T + 5 + Height(label)};
    RECT newNames{L - 320, T, L - 320 + Width(names) - 15, T + Height(names)};
    const int rowEnd = okButton ? ok.left : L;
    const bool fits = newLabel.left >= 0 && (!haveLabel || !haveNames || newLabel.right <= newNames.left) &&
                      newNames.left >= 0 && newNames.right <= rowEnd;
    if (!fits) {
        const int left = placeholder ? list.left : 5;
        newLabel = {left, T + std::max(0, (Height(cancel) - Height(label)) / 2), 0, 0};
        newLabel.right = newLabel.left + Width(label);
        newLabel.bottom = newLabel.top + Height(label);
        newNames.left = (haveLabel ? newLabel.right : left) + 5;
        newNames.right = std::max<LONG>(newNames.left + 20, rowEnd - 5);
    }
    if (haveLabel) Place(labelWnd, newLabel.left, newLabel.top, Width(newLabel), Height(newLabel));
    if (haveNames) Place(namesWnd, newNames.left, newNames.top, Width(newNames), Height(names));

    // The item view was laid out over the placeholder before this ran; keep it above the row.
    RECT view{};
    const HWND viewWnd = ::GetDlgItem(frame, lst2);
    if (placeholder && ChildRect(frame, viewWnd, view) && view.bottom > list.bottom)
        Place(viewWnd, view.left, view.top, Width(view), std::max<int>(0, list.bottom - view.top));
}

void CSelectDialog::CenterFrame(HWND frame) const {
    RECT area{};
    const HWND owner = ::GetWindow(frame, GW_OWNER);
    if (!owner || !::IsWindowVisible(owner) || ::IsIconic(owner) || !::GetWindowRect(owner, &area)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (!::GetMonitorInfoW(::MonitorFromWindow(frame, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
        area = monitor.rcWork;
    }
    RECT self{};
    ::GetWindowRect(frame, &self);
    const int x = area.left + (Width(area) - Width(self)) / 2;
    const int y = area.top + (Height(area) - Height(self)) / 2;
    ::SetWindowPos(frame, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSelectDialog::OnFolderChange() { m_strCurrentFolder = GetFolderPath(); }

LRESULT CALLBACK CSelectDialog::FrameWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    const bool selectClick = msg == WM_COMMAND && HIWORD(wp) == 0 && LOWORD(wp) == IDOK;
    if (!selectClick || !ObjectOfFrame(wnd)) {
        if (msg == WM_NCDESTROY) ::RemovePropW(wnd, kObjectProperty);
        return ::CallWindowProcW(m_pfnOldFrameProc, wnd, msg, wp, lp);
    }
    m_arrChosenItems.clear();
    const HWND view = ::GetDlgItem(wnd, lst2);
    if (!view) return 0;
    const HWND list = ItemList(view);
    const int selected = SelectedCount(list);
    if (selected == 0) return 0;

    const std::wstring prefix = FolderPrefix(m_strCurrentFolder);
    const std::wstring nameBox = ObjectOfFrame(wnd)->GetNameBoxText();

    int index = -1;
    for (int i = 0; i < selected; ++i) {
        index = static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(index),
                                                MAKELPARAM(LVNI_SELECTED, 0)));
        if (index < 0) break;
        const std::wstring path = prefix + ItemText(list, index);
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            m_arrChosenItems.push_back(path);
    }
    // Some selected item was not a folder: the files come from the name box.
    if (static_cast<size_t>(SelectedCount(list)) > m_arrChosenItems.size()) {
        for (std::wstring& path : ParseNameBox(prefix, nameBox)) m_arrChosenItems.push_back(std::move(path));
    }
    ::EndDialog(wnd, IDOK);
    return 0;
}

BOOL CSelectDialog::OnFileNameOK() {
    const HWND frame = GetFrame();
    if (!frame) {
        g_beep(MB_ICONQUESTION);
        return TRUE;
    }
    const HWND view = ::GetDlgItem(frame, lst2);
    if (!view) return FALSE;
    m_arrChosenItems.clear();
    const int selected = SelectedCount(ItemList(view));
    if (selected == 0) return FALSE;
    const std::wstring nameBox = GetNameBoxText();
    if (selected == 1 && !nameBox.empty()) {
        m_arrChosenItems.push_back(FolderPrefix(m_strCurrentFolder) + nameBox);
        return FALSE;
    }
    g_beep(MB_ICONQUESTION);
    return TRUE;
}
