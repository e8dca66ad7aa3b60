#include "framework/Gdi.h"

namespace fw {

CDC::~CDC() {
    if (m_bOwnsDC && m_hDC) ::DeleteDC(m_hDC);
}

bool CDC::CreateCompatibleDC(HDC reference) {
    Attach(::CreateCompatibleDC(reference), true);
    return m_hDC != nullptr;
}

void CDC::Attach(HDC dc, bool owned) {
    if (m_bOwnsDC && m_hDC) ::DeleteDC(m_hDC);
    m_hDC = m_hAttribDC = dc;
    m_bOwnsDC = owned && dc;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    m_bOwnsDC = false;
    return dc;
}

CPaintDC::CPaintDC(HWND wnd) : m_wnd(wnd) {
    Attach(::BeginPaint(wnd, &m_ps));
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_wnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(HWND wnd) : m_wnd(wnd) {
    Attach(::GetDC(wnd));
}

CClientDC::~CClientDC() {
    if (m_hDC) ::ReleaseDC(m_wnd, m_hDC);
    Detach();
}

}  // namespace fw
