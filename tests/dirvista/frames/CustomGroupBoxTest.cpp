#include <gtest/gtest.h>

#include "dirvista/frames/CustomGroupBox.h"
#include "framework/Dialog.h"
#include "support/Canvas.h"
#include "support/DialogTemplate.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

using dirvista::CCustomGroupBox;
using testing_support::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(60, 81, 98);
constexpr COLORREF kBand = RGB(107, 124, 140);
constexpr COLORREF kUnpainted = RGB(255, 0, 255);
constexpr int kWidth = 200;
constexpr int kHeight = 150;

// The bounding box of the pixels of one colour in an area; empty when there are none.
RECT Bounds(const Canvas& canvas, COLORREF colour, const RECT& area) {
    RECT bounds{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.Pixel(x, y) == colour) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    return bounds;
}

bool SamePixels(const Canvas& a, const Canvas& b, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

// Hosts the boxes as the folder size viewer does: BUTTON group boxes of a dialog, with the
// dialog's font, attached by subclassing.
class CustomGroupBoxTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get())); }

    void Attach(CCustomGroupBox& box, const wchar_t* text, bool withFont = true) {
        HWND wnd = ::CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                                     kWidth, kHeight, dialog.m_hWnd,
                                     reinterpret_cast<HMENU>(1007), nullptr, nullptr);
        ASSERT_NE(nullptr, wnd);
        if (withFont) ::SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.GetFont()), FALSE);
        ASSERT_TRUE(box.SubclassWindow(wnd));
    }
    // As the main dialog sets its two panes up.
    void AttachViewerStyle(CCustomGroupBox& box, const wchar_t* text) {
        Attach(box, text);
        box.SetHeaderStyle(TRUE);
        box.SetFontSize(10);
        box.SetFontBold(TRUE);
    }
    std::unique_ptr<Canvas> Print(CCustomGroupBox& box) {
        auto canvas = std::make_unique<Canvas>(kWidth, kHeight, kUnpainted);
        canvas->PrintWindowClient(box.m_hWnd);
        return canvas;
    }
    // The size of `text` in the box's caption font, measured apart from the box.
    static SIZE TextExtent(const CCustomGroupBox& box, const std::wstring& text) {
        Canvas scratch(1, 1);
        fw::CFont font(::CreateFontIndirectW(&box.GetLogFont()));
        fw::SelectGuard guard(scratch.Dc(), font);
        SIZE extent{};
        ::GetTextExtentPoint32W(scratch.Dc(), text.c_str(), static_cast<int>(text.size()), &extent);
        return extent;
    }

    testing_support::EmptyDialogTemplate dialogTemplate;
    fw::CDialog dialog{0};
};

TEST_F(CustomGroupBoxTest, BandStyleAsTheViewerUsesIt) {
    CCustomGroupBox box;
    AttachViewerStyle(box, L"Map");
    const std::unique_ptr<Canvas> canvas = Print(box);
    const int th = TextExtent(box, L" Map ").cy;
    const int tw = TextExtent(box, L" Map ").cx;
    const int space = TextExtent(box, L" ").cx;

    // A 1-pixel white margin all round.
    EXPECT_EQ(kWidth, canvas->CountColor(kWhite, RECT{0, 0, kWidth, 1}));
    EXPECT_EQ(kWidth, canvas->CountColor(kWhite, RECT{0, kHeight - 1, kWidth, kHeight}));
    EXPECT_EQ(kHeight, canvas->CountColor(kWhite, RECT{0, 0, 1, kHeight}));
    EXPECT_EQ(kHeight, canvas->CountColor(kWhite, RECT{kWidth - 1, 0, kWidth, kHeight}));
    // The outline on (1, 1, W - 1, H - 1): rounded at the top, square at the bottom.
    EXPECT_EQ(kFrame, canvas->Pixel(100, 1));
    EXPECT_EQ(kFrame, canvas->Pixel(1, 80));
    EXPECT_EQ(kFrame, canvas->Pixel(kWidth - 2, 80));
    EXPECT_EQ(kFrame, canvas->Pixel(100, kHeight - 2));
    EXPECT_EQ(kWhite, canvas->Pixel(1, 1));
    EXPECT_EQ(kFrame, canvas->Pixel(1, kHeight - 2));
    EXPECT_EQ(kFrame, canvas->Pixel(kWidth - 2, kHeight - 2));
    // The band down to the line at y = 17 + th, white below it.
    EXPECT_EQ(kBand, canvas->Pixel(kWidth - 10, 2));
    EXPECT_EQ(kBand, canvas->Pixel(kWidth - 10, 16 + th));
    EXPECT_EQ(kBand, canvas->Pixel(5, 16 + th));
    EXPECT_EQ(kWidth - 2, canvas->CountColor(kFrame, RECT{0, 17 + th, kWidth, 18 + th}));
    EXPECT_EQ(kWhite, canvas->Pixel(100, 18 + th));
    EXPECT_EQ(kWhite, canvas->Pixel(kWidth - 3, kHeight - 3));
    // The caption " Map " in white from x = 33, in the rows 11 to 11 + th.
    const RECT text = Bounds(*canvas, kWhite, RECT{2, 2, kWidth - 2, 17 + th});
    EXPECT_GE(text.left, 33 + space);
    EXPECT_LE(text.left, 33 + space + 2);
    EXPECT_LE(text.right, 33 + tw - space);
    EXPECT_GE(text.top, 11);
    EXPECT_LE(text.bottom, 11 + th);
    EXPECT_GT(text.bottom - text.top, th / 2);
}

TEST_F(CustomGroupBoxTest, WithoutAnyCaptionTheBandIsSixteenHigh) {
    CCustomGroupBox box;
    AttachViewerStyle(box, L"");
    const std::unique_ptr<Canvas> canvas = Print(box);
    EXPECT_EQ(L"", box.GetCaption());
    EXPECT_EQ(0, canvas->CountColor(kWhite, RECT{2, 2, kWidth - 2, 17}));
    EXPECT_EQ(kBand, canvas->Pixel(100, 16));
    EXPECT_EQ(kFrame, canvas->Pixel(100, 17));
    EXPECT_EQ(kWhite, canvas->Pixel(100, 18));
}

TEST_F(CustomGroupBoxTest, CaptionPlacementFollowsTheAlignment) {
    CCustomGroupBox box;
    AttachViewerStyle(box, L"Location");
    const SIZE extent = TextExtent(box, L" Location ");
    const int space = TextExtent(box, L" ").cx;
    const RECT band{2, 2, kWidth - 2, 17 + extent.cy};

    struct Case {
        int alignment;
        int boxLeft;  // left of the caption box; the text is drawn 30 pixels further right
        int boxTop;
    };
    const Case cases[] = {
        {0, 3, 11},
        {1, 1 + (kWidth - 2 - extent.cx) / 2, 3},
        {5, 3, 11},   // anything else is left
        {-1, 3, 11},
    };
    std::unique_ptr<Canvas> left;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        box.SetAlignment(c.alignment);
        EXPECT_EQ(c.alignment == 1 ? 1 : 0, box.GetAlignment());
        std::unique_ptr<Canvas> canvas = Print(box);
        const RECT text = Bounds(*canvas, kWhite, band);
        EXPECT_GE(text.left, c.boxLeft + 30 + space);
        EXPECT_LE(text.left, c.boxLeft + 30 + space + 2);
        EXPECT_GE(text.top, c.boxTop);
        EXPECT_LE(text.top, c.boxTop + extent.cy / 2);
        EXPECT_LE(text.bottom, c.boxTop + extent.cy);
        if (c.alignment == 0) {
            left = std::move(canvas);
        } else if (c.alignment != 1) {
            EXPECT_TRUE(SamePixels(*left, *canvas, RECT{0, 0, kWidth, kHeight}));
        }
    }
    // Right: 2 pixels below the top like centre; the caption box ends 2 pixels inside the
    // right edge, so the text (30 pixels further right) starts within the last caption width.
    box.SetAlignment(2);
    EXPECT_EQ(2, box.GetAlignment());
    const RECT right = Bounds(*Print(box), kWhite, band);
    EXPECT_GE(right.top, 3);
    EXPECT_LE(right.top, 3 + extent.cy / 2);
    EXPECT_GE(right.left, kWidth - 3 - extent.cx + 30 + space);
}

TEST_F(CustomGroupBoxTest, APartialRepaintDrawsItsAreaExactlyAsAFullPaint) {
    CCustomGroupBox box;
    AttachViewerStyle(box, L"Map");
    const std::unique_ptr<Canvas> full = Print(box);
    const RECT clips[] = {{20, 5, 120, 60}, {150, 100, 200, 150}, {0, 10, 40, 30}};
    for (const RECT& clip : clips) {
        SCOPED_TRACE(clip.left);
        Canvas partial(kWidth, kHeight, kUnpainted);
        ::IntersectClipRect(partial.Dc(), clip.left, clip.top, clip.right, clip.bottom);
        partial.PrintWindowClient(box.m_hWnd);
        EXPECT_TRUE(SamePixels(*full, partial, clip));
        const int clipArea = (clip.right - clip.left) * (clip.bottom - clip.top);
        EXPECT_EQ(kWidth * kHeight - clipArea,
                  partial.CountColor(kUnpainted, RECT{0, 0, kWidth, kHeight}));
    }
}

TEST_F(CustomGroupBoxTest, TheCaptionOnceTakenIgnoresLaterWindowTextChanges) {
    struct Case {
        const wchar_t* setByCode;  // null: the first paint adopts the window text
        const wchar_t* expected;
    };
    const Case cases[] = {{L"Location", L" Location "}, {nullptr, L" Map "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        CCustomGroupBox box;
        AttachViewerStyle(box, L"Map");
        if (c.setByCode) {
            EXPECT_TRUE(box.SetCaptionText(c.setByCode));
        }
        const std::unique_ptr<Canvas> before = Print(box);
        EXPECT_EQ(c.expected, box.GetCaption());
        box.SetWindowText(L"Something else");
        const std::unique_ptr<Canvas> after = Print(box);
        EXPECT_EQ(c.expected, box.GetCaption());
        EXPECT_TRUE(SamePixels(*before, *after, RECT{0, 0, kWidth, kHeight}));
        ::DestroyWindow(box.m_hWnd);
    }
}

TEST_F(CustomGroupBoxTest, ThePlainStyleShowsTheWholeCaptionInTheGapOfTheTopEdge) {
    CCustomGroupBox band;
    AttachViewerStyle(band, L"Map");
    CCustomGroupBox plain;
    Attach(plain, L"Map");
    plain.SetFontSize(10);
    plain.SetFontBold(TRUE);
    const std::unique_ptr<Canvas> bandCanvas = Print(band);
    const std::unique_ptr<Canvas> plainCanvas = Print(plain);
    const SIZE extent = TextExtent(plain, L" Map ");

    // The same caption, whole: the band's caption box at (33, 11), the gap at (11, 1).
    for (int y = 0; y < extent.cy; ++y)
        for (int x = 0; x < extent.cx; ++x)
            ASSERT_EQ(bandCanvas->Pixel(33 + x, 11 + y), plainCanvas->Pixel(11 + x, 1 + y))
                << x << "," << y;
    EXPECT_GT(plainCanvas->CountColor(kWhite, RECT{11, 1, 11 + extent.cx, 1 + extent.cy}), 0);
    // The top edge runs through the middle of the caption, on both sides of the gap.
    const int edge = 1 + extent.cy / 2;
    EXPECT_EQ(kFrame, plainCanvas->Pixel(10, edge));
    EXPECT_EQ(kFrame, plainCanvas->Pixel(11 + extent.cx, edge));
    EXPECT_EQ(kFrame, plainCanvas->Pixel(1, 80));
    EXPECT_EQ(kWhite, plainCanvas->Pixel(100, 80));
}

TEST_F(CustomGroupBoxTest, AttachingAddsClippingAndTakesTheControlsFont) {
    CCustomGroupBox subclassed;
    Attach(subclassed, L"Map");
    CCustomGroupBox created;
    ASSERT_TRUE(created.Create(L"Location", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                               RECT{0, 0, kWidth, kHeight}, dialog.m_hWnd, 1008));
    CCustomGroupBox fontless;
    Attach(fontless, L"Map", false);

    LOGFONTW dialogFont{};
    ::GetObjectW(dialog.GetFont(), sizeof(dialogFont), &dialogFont);
    LOGFONTW systemFont{};
    ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof(systemFont), &systemFont);

    const struct {
        CCustomGroupBox* box;
        const wchar_t* face;
    } cases[] = {{&subclassed, dialogFont.lfFaceName}, {&created, systemFont.lfFaceName},
                 {&fontless, systemFont.lfFaceName}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->GetWindowText());
        const DWORD style = c.box->GetStyle();
        EXPECT_EQ(static_cast<DWORD>(WS_CLIPCHILDREN | WS_CLIPSIBLINGS | BS_ICON),
                  style & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS | BS_ICON));
        EXPECT_EQ(static_cast<DWORD>(BS_GROUPBOX), style & BS_TYPEMASK);
        EXPECT_STREQ(c.face, c.box->GetLogFont().lfFaceName);
    }
}

TEST_F(CustomGroupBoxTest, FontSettersChangeTheCaptionFont) {
    CCustomGroupBox box;
    Attach(box, L"Map");
    for (BOOL bold : {1, 5, -1}) {
        box.SetFontBold(bold);
        EXPECT_EQ(FW_BOLD, box.GetLogFont().lfWeight) << bold;
    }
    box.SetFontBold(FALSE);
    EXPECT_EQ(FW_NORMAL, box.GetLogFont().lfWeight);

    int dpi = 0;
    {
        fw::CClientDC screen(nullptr);
        dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    }
    box.SetFontSize(10);
    EXPECT_EQ(-::MulDiv(100, dpi, 720), box.GetLogFont().lfHeight);
    if (dpi == 96) {
        EXPECT_EQ(-13, box.GetLogFont().lfHeight);
    }
    EXPECT_EQ(0, box.GetLogFont().lfWidth);

    box.SetFontName(std::wstring(40, L'F'), ANSI_CHARSET);
    EXPECT_EQ(std::wstring(LF_FACESIZE - 1, L'F'), box.GetLogFont().lfFaceName);
    box.SetFontName(L"Tahoma", DEFAULT_CHARSET);
    EXPECT_STREQ(L"Tahoma", box.GetLogFont().lfFaceName);
    EXPECT_EQ(DEFAULT_CHARSET, box.GetLogFont().lfCharSet);

    // Without a window there is no caption to set.
    CCustomGroupBox unattached;
    EXPECT_FALSE(unattached.SetCaptionText(L"Map"));
    EXPECT_EQ(L"", unattached.GetCaption());
}

}  // namespace
