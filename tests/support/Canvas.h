#pragma once
// A 32-bit DIB section selected into a memory DC: paint into it, then read pixels back.
#include "framework/Win32.h"

namespace testing_support {

class Canvas {
public:
    // Filled with `background` at the start.
    Canvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The pixel at (x, y) as a COLORREF (red in the low byte).
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF color);
    // Counts the pixels of a colour in the rectangle [left, right) x [top, bottom).
    int CountColor(COLORREF color, const RECT& area) const;
    // Paints a window into the canvas with WM_PRINTCLIENT (the window's own painting code).
    void PrintWindowClient(HWND wnd);

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    const DWORD* m_bits = nullptr;
};

}  // namespace testing_support
