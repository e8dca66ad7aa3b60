#include "framework/Dialog.h"

namespace fw {

HINSTANCE ResourceInstance() { return ::GetModuleHandleW(nullptr); }

CDialog::~CDialog() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

bool CDialog::Create(HWND parent) {
    m_bModal = false;
    m_bEnded = false;
    HWND wnd = ::CreateDialogParamW(ResourceInstance(), MAKEINTRESOURCEW(m_templateId),
                                    parent ? parent : m_hParent, &CDialog::DialogProc,
                                    reinterpret_cast<LPARAM>(this));
    return wnd != nullptr;
}

bool CDialog::CreateIndirect(const DLGTEMPLATE* dialogTemplate, HWND parent) {
    m_bModal = false;
    m_bEnded = false;
    HWND wnd = ::CreateDialogIndirectParamW(ResourceInstance(), dialogTemplate,
                                            parent ? parent : m_hParent, &CDialog::DialogProc,
                                            reinterpret_cast<LPARAM>(this));
    return wnd != nullptr;
}

INT_PTR CDialog::DoModal() {
    HWND owner = m_hParent;
    if (!Create(owner)) return -1;
    m_bModal = true;
    const bool ownerEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerEnabled) ::EnableWindow(owner, FALSE);
    if (!m_bEnded) ::ShowWindow(m_hWnd, SW_SHOW);

    MSG msg;
    while (!m_bEnded) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {  // WM_QUIT: leave it for the outer loop
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (!PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (ownerEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    m_bModal = false;
    return m_nResult;
}

void CDialog::EndDialog(INT_PTR result) {
    m_nResult = result;
    m_bEnded = true;
    if (m_bModal && m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the loop
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    // Only a top-level dialog does the dialog keyboard (Tab, Enter, Escape).
    if (!m_hWnd || (GetStyle() & WS_CHILD)) return FALSE;
    return ::IsDialogMessageW(m_hWnd, msg);
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_INITDIALOG) {
        result = OnInitDialog();
        return true;
    }
    if (msg == WM_COMMAND && (lp == 0 || HIWORD(wp) == BN_CLICKED)) {
        if (LOWORD(wp) == IDOK) {
            OnOK();
            result = 0;
            return true;
        }
        if (LOWORD(wp) == IDCANCEL) {
            OnCancel();
            result = 0;
            return true;
        }
    }
    return CWnd::OnWndMsg(msg, wp, lp, result);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    CWnd* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lp);
        static_cast<CDialog*>(self)->AttachObject(wnd);
    } else {
        self = FromHandle(wnd);
    }
    // Messages before WM_INITDIALOG (WM_SETFONT, WM_GETMINMAXINFO...) find no object.
    if (!self) return FALSE;

    LRESULT result = 0;
    const bool handled = self->HandleMessage(msg, wp, lp, result);
    if (msg == WM_NCDESTROY) {
        auto* dialog = static_cast<CDialog*>(self);
        dialog->DetachObject();
        dialog->PostNcDestroy();
        return FALSE;
    }
    if (!handled) return FALSE;
    switch (msg) {
    // These return their value directly, not through DWLP_MSGRESULT.
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: case WM_INITDIALOG: case WM_QUERYDRAGICON:
    case WM_COMPAREITEM: case WM_VKEYTOITEM: case WM_CHARTOITEM:
        return static_cast<INT_PTR>(result);
    default:
        ::SetWindowLongPtrW(wnd, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
        return TRUE;
    }
}

}  // namespace fw
