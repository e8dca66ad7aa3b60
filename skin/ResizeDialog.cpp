#include "skin/ResizeDialog.h"

#include <cmath>

CResizeDialog::CResizeDialog(UINT templateId, HWND parent, UINT layoutFlags)
    : fw::CDialog(templateId, parent), m_layoutFlags(layoutFlags) {}

BOOL CResizeDialog::OnInitDialog() {
    const BOOL result = fw::CDialog::OnInitDialog();
    const RECT client = GetClientRect();
    m_originalClient = {client.right - client.left, client.bottom - client.top};
    const int grip = ::GetSystemMetrics(SM_CXVSCROLL);
    m_hSizeGrip = ::CreateWindowExW(0, L"SCROLLBAR", L"",
                                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBS_SIZEGRIP |
                                        SBS_SIZEBOXBOTTOMRIGHTALIGN,
                                    client.right - grip, client.bottom - grip, grip, grip, m_hWnd,
                                    nullptr, nullptr, nullptr);
    // The grip stays below every control in the tab and paint order.
    ::SetWindowPos(m_hSizeGrip, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (Anchor& anchor : m_anchors) CaptureAnchor(anchor);
    return result;
}

void CResizeDialog::AddAnchor(UINT id, double left, double top, double right, double bottom) {
    Anchor anchor{id, left, top, right, bottom, {}, false};
    if (m_hWnd) CaptureAnchor(anchor);
    m_anchors.push_back(anchor);
}

void CResizeDialog::CaptureAnchor(Anchor& anchor) const {
    HWND control = GetDlgItem(static_cast<int>(anchor.id));
    if (!control) return;
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    // Taken relative to the first client size, however the window is sized right now.
    const RECT client = GetClientRect();
    const int dx = (client.right - client.left) - m_originalClient.cx;
    const int dy = (client.bottom - client.top) - m_originalClient.cy;
    anchor.original = {rect.left - static_cast<LONG>(std::lround(anchor.left * dx)),
                       rect.top - static_cast<LONG>(std::lround(anchor.top * dy)),
                       rect.right - static_cast<LONG>(std::lround(anchor.right * dx)),
                       rect.bottom - static_cast<LONG>(std::lround(anchor.bottom * dy))};
    anchor.captured = true;
}

void CResizeDialog::SetMinClientSize(int width, int height) { m_minClient = {width, height}; }

void CResizeDialog::ApplyLayout(int clientWidth, int clientHeight) {
    // Positions come from the original rectangles and the whole change of size, so that
    // rounding never accumulates over many small size steps.
    const int dx = clientWidth - m_originalClient.cx;
    const int dy = clientHeight - m_originalClient.cy;
    HDWP batch = ::BeginDeferWindowPos(static_cast<int>(m_anchors.size()) + 1);
    for (const Anchor& anchor : m_anchors) {
        HWND control = GetDlgItem(static_cast<int>(anchor.id));
        if (!control || !anchor.captured) continue;
        const RECT& o = anchor.original;
        const LONG left = o.left + static_cast<LONG>(std::lround(anchor.left * dx));
        const LONG top = o.top + static_cast<LONG>(std::lround(anchor.top * dy));
        const LONG right = o.right + static_cast<LONG>(std::lround(anchor.right * dx));
        const LONG bottom = o.bottom + static_cast<LONG>(std::lround(anchor.bottom * dy));
        if (batch)
            batch = ::DeferWindowPos(batch, control, nullptr, left, top, right - left, bottom - top,
                                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch) ::EndDeferWindowPos(batch);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CResizeDialog::PlaceSizeGrip(int clientWidth, int clientHeight, bool visible) {
    if (!m_hSizeGrip) return;
    const int grip = ::GetSystemMetrics(SM_CXVSCROLL);
    ::SetWindowPos(m_hSizeGrip, nullptr, clientWidth - grip, clientHeight - grip, grip, grip,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(m_hSizeGrip, visible ? SW_SHOW : SW_HIDE);
}

LRESULT CResizeDialog::OnSize(WPARAM wp, LPARAM lp) {
    if (wp == SIZE_MINIMIZED) return 0;
    const int width = LOWORD(lp);
    const int height = HIWORD(lp);
    ApplyLayout(width, height);
    PlaceSizeGrip(width, height, wp != SIZE_MAXIMIZED);
    return 0;
}

LRESULT CResizeDialog::OnGetMinMaxInfo(WPARAM, LPARAM lp) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
    if (m_minClient.cx > 0 || m_minClient.cy > 0) {
        RECT frame{0, 0, m_minClient.cx, m_minClient.cy};
        ::AdjustWindowRectEx(&frame, GetStyle(),
                             FALSE, static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)));
        info->ptMinTrackSize.x = frame.right - frame.left;
        info->ptMinTrackSize.y = frame.bottom - frame.top;
    }
    return 0;
}

bool CResizeDialog::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnMessage<&CResizeDialog::OnSize>(WM_SIZE),
        fw::OnMessage<&CResizeDialog::OnGetMinMaxInfo>(WM_GETMINMAXINFO),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
           fw::CDialog::OnWndMsg(msg, wp, lp, result);
}
