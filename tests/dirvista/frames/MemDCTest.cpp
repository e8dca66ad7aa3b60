#include <gtest/gtest.h>

#include "dirvista/frames/MemDC.h"
#include "support/Canvas.h"

namespace {

using dirvista::CMemDC;
using testing_support::Canvas;

constexpr COLORREF kBefore = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    fw::CBrush brush = fw::MakeSolidBrush(colour);
    ::FillRect(dc, &area, brush);
}

TEST(MemDC, OnlyTheFinishedPictureReachesTheTarget) {
    Canvas canvas(60, 40, kBefore);
    fw::CDC target(canvas.Dc());
    {
        CMemDC memDc(&target);
        Fill(memDc, RECT{0, 0, 60, 40}, kRed);
        ::SetBkMode(memDc, TRANSPARENT);
        ::TextOutW(memDc, 5, 5, L"Map", 3);
        // Nothing of the background fill or the text shows before the copy.
        EXPECT_EQ(60 * 40, canvas.CountColor(kBefore, RECT{0, 0, 60, 40}));
    }
    EXPECT_EQ(0, canvas.CountColor(kBefore, RECT{0, 0, 60, 40}));
    EXPECT_EQ(kRed, canvas.Pixel(59, 39));
    EXPECT_GT(canvas.CountColor(kBlack, RECT{5, 5, 40, 30}), 0);
}

TEST(MemDC, DrawsInTheTargetsCoordinatesAndTouchesNothingOutsideItsClipBox) {
    const RECT clips[] = {{0, 0, 80, 60}, {20, 10, 60, 40}, {0, 30, 80, 60}, {50, 0, 80, 25}};
    for (const RECT& clip : clips) {
        SCOPED_TRACE(testing::Message() << clip.left << "," << clip.top << "," << clip.right
                                        << "," << clip.bottom);
        Canvas canvas(80, 60, kBefore);
        ::IntersectClipRect(canvas.Dc(), clip.left, clip.top, clip.right, clip.bottom);
        fw::CDC target(canvas.Dc());
        {
            CMemDC memDc(&target);
            EXPECT_TRUE(::EqualRect(&clip, &memDc.Area()));
            Fill(memDc, RECT{0, 0, 80, 60}, kRed);
            // A marker at target coordinates, wherever the clip box starts.
            Fill(memDc, RECT{clip.left + 3, clip.top + 4, clip.left + 6, clip.top + 8}, kGreen);
        }
        const int clipArea = (clip.right - clip.left) * (clip.bottom - clip.top);
        EXPECT_EQ(80 * 60 - clipArea, canvas.CountColor(kBefore, RECT{0, 0, 80, 60}));
        EXPECT_EQ(0, canvas.CountColor(kBefore, clip));
        EXPECT_EQ(12, canvas.CountColor(kGreen, RECT{0, 0, 80, 60}));
        EXPECT_EQ(kGreen, canvas.Pixel(clip.left + 3, clip.top + 4));
        EXPECT_EQ(kGreen, canvas.Pixel(clip.left + 5, clip.top + 7));
    }
}

TEST(MemDC, APrinterIsDrawnOnDirectlyAndKeepsItsHandles) {
    Canvas canvas(40, 40, kBefore);
    fw::CDC printer(canvas.Dc());
    printer.m_bPrinting = TRUE;
    {
        CMemDC memDc(&printer);
        EXPECT_FALSE(memDc.IsOffscreen());
        EXPECT_EQ(canvas.Dc(), memDc.m_hDC);
        EXPECT_EQ(canvas.Dc(), memDc.m_hAttribDC);
        Fill(memDc, RECT{0, 0, 10, 10}, kRed);
        EXPECT_EQ(kRed, canvas.Pixel(5, 5));  // at once, not on destruction
    }
    EXPECT_EQ(canvas.Dc(), printer.m_hDC);
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(canvas.Dc()));
    Fill(canvas.Dc(), RECT{20, 20, 30, 30}, kGreen);
    EXPECT_EQ(kGreen, canvas.Pixel(25, 25));
}

}  // namespace
