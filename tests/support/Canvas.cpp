#include "support/Canvas.h"

namespace testing_support {

Canvas::Canvas(int width, int height, COLORREF background) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    m_dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_previous = ::SelectObject(m_dc, m_bitmap);
    Fill(background);
}

Canvas::~Canvas() {
    ::SelectObject(m_dc, m_previous);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

COLORREF Canvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    ::GdiFlush();
    const DWORD bgra = m_bits[static_cast<size_t>(y) * m_width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

void Canvas::Fill(COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    RECT all{0, 0, m_width, m_height};
    ::FillRect(m_dc, &all, brush);
    ::DeleteObject(brush);
}

int Canvas::CountColor(COLORREF color, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) == color) ++count;
    return count;
}

void Canvas::PrintWindowClient(HWND wnd) {
    ::SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc),
                   PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
}

}  // namespace testing_support
