#pragma once
// Owners of GDI objects and device contexts.
#include "framework/Win32.h"

#include <utility>

namespace fw {

// A GDI object (brush, pen, font, bitmap, region) deleted with DeleteObject when it goes.
template <class H>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H h) : m_h(h) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : m_h(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    H Get() const { return m_h; }
    operator H() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    H Release() { return std::exchange(m_h, nullptr); }
    void Reset(H h = nullptr) {
        H old = std::exchange(m_h, h);
        if (old) ::DeleteObject(old);
    }

private:
    H m_h = nullptr;
};

using CBrush = GdiObject<HBRUSH>;
using CPen = GdiObject<HPEN>;
using CFont = GdiObject<HFONT>;
using CBitmap = GdiObject<HBITMAP>;
using CRgn = GdiObject<HRGN>;

inline CBrush MakeSolidBrush(COLORREF color) { return CBrush(::CreateSolidBrush(color)); }
inline CPen MakePen(int style, int width, COLORREF color) {
    return CPen(::CreatePen(style, width, color));
}

// Selects an object into a DC and puts the previous one back when it goes, so that the
// object is never deleted while still selected.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(obj ? ::SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard() {
        if (m_old) ::SelectObject(m_dc, m_old);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    HGDIOBJ Previous() const { return m_old; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A device context. The base borrows its handles; CreateCompatibleDC makes it own the
// output context, which is then deleted with the object.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc), m_hAttribDC(dc) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    bool IsPrinting() const { return m_bPrinting != FALSE; }

    // Creates a memory DC compatible with `reference` (the screen when null) and owns it.
    bool CreateCompatibleDC(HDC reference);
    void Attach(HDC dc, bool owned = false);
    HDC Detach();

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

protected:
    bool m_bOwnsDC = false;
};

// BeginPaint/EndPaint for one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND wnd);
    ~CPaintDC() override;
    const PAINTSTRUCT& Paint() const { return m_ps; }

private:
    HWND m_wnd;
    PAINTSTRUCT m_ps{};
};

// GetDC/ReleaseDC of a window's client area.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND wnd);
    ~CClientDC() override;

private:
    HWND m_wnd;
};

}  // namespace fw
