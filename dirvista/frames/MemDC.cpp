#include "dirvista/frames/MemDC.h"

namespace dirvista {

CMemDC::CMemDC(fw::CDC* target)
    : m_pTargetDC(target), m_bOffscreen(target->IsPrinting() ? FALSE : TRUE) {
    if (!m_bOffscreen) {
        // Printers get the drawing directly: their resolution makes a screen-sized bitmap
        // useless, and there is no flicker to avoid.
        m_bPrinting = target->m_bPrinting;
        m_hDC = target->m_hDC;
        m_hAttribDC = target->m_hAttribDC;
        return;
    }
    CreateCompatibleDC(target->m_hDC);
    ::GetClipBox(target->m_hDC, &m_rcArea);
    // Compatible with the target, not with the new memory DC: a fresh memory DC holds a
    // monochrome bitmap, and a bitmap made for it would be monochrome too.
    m_offscreenBitmap.Reset(::CreateCompatibleBitmap(target->m_hDC, m_rcArea.right - m_rcArea.left,
                                                     m_rcArea.bottom - m_rcArea.top));
    if (m_hDC && m_offscreenBitmap) {
        m_pPreviousBitmap = ::SelectObject(m_hDC, m_offscreenBitmap);
        ::SetWindowOrgEx(m_hDC, m_rcArea.left, m_rcArea.top, nullptr);
    }
}

CMemDC::~CMemDC() {
    if (!m_bOffscreen) {
        // Borrowed from the target: forget them rather than let the base delete them.
        m_hDC = nullptr;
        m_hAttribDC = nullptr;
        return;
    }
    if (m_pPreviousBitmap) {
        ::BitBlt(m_pTargetDC->m_hDC, m_rcArea.left, m_rcArea.top, m_rcArea.right - m_rcArea.left,
                 m_rcArea.bottom - m_rcArea.top, m_hDC, m_rcArea.left, m_rcArea.top, SRCCOPY);
        // The bitmap must be out of the DC before it is deleted.
        ::SelectObject(m_hDC, m_pPreviousBitmap);
    }
}

}  // namespace dirvista
