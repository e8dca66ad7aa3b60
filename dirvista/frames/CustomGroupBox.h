#pragma once
// The suite's look for a group box: a 1-pixel frame with a coloured caption band (or a
// plain frame with the caption in a gap of its top edge) and a bold caption, painted
// flicker-free through an off-screen context. Attached to an existing BUTTON group box by
// subclassing, or created with Create.
#include "framework/Controls.h"
#include "framework/Gdi.h"

#include <string>

namespace dirvista {

class CCustomGroupBox : public fw::CButton {
public:
    CCustomGroupBox() = default;
    ~CCustomGroupBox() override = default;

    // Creates the box as a child BUTTON window and attaches to it.
    BOOL Create(const std::wstring& caption, DWORD style, const RECT& rect, HWND parent, UINT id);

    // Each setter repaints the box at once and returns the result of RefreshBox, except
    // SetCaptionIcon, which only records the icon.
    virtual BOOL SetBackgroundColors(COLORREF captionBack, COLORREF body);
    virtual BOOL SetBackgroundColor(COLORREF colour);
    virtual BOOL SetHeaderStyle(BOOL headerStyle);
    // FALSE without a window. The caption is kept as set (padded with one space on each
    // side), whatever later happens to the window text.
    virtual BOOL SetCaptionText(const std::wstring& text);
    virtual BOOL SetFontBold(BOOL bold);
    // Face names longer than a LOGFONT holds (31 characters) are cut to fit.
    virtual BOOL SetFontName(const std::wstring& faceName, BYTE charSet);
    virtual BOOL SetFontUnderline(BYTE underline);
    virtual BOOL SetFontItalic(BYTE italic);
    virtual BOOL SetFontSize(int points);
    virtual BOOL SetLogFont(LOGFONTW logFont);
    // 0 left, 1 centre, 2 right; anything else means left.
    virtual BOOL SetAlignment(int alignment);
    // Draws the caption icon at client point (4, 4); the box is not used. Returns whether
    // the icon was loaded and released.
    virtual BOOL DrawCaptionIcon(fw::CDC* dc, RECT iconBox);
    virtual void SetCaptionIcon(UINT iconId);

    // Paints the whole box into `target` through an off-screen context, as WM_PAINT does.
    void PaintBox(fw::CDC& target, const RECT& client);

    const std::wstring& GetCaption() const { return m_strCaption; }
    const LOGFONTW& GetLogFont() const { return m_logFont; }
    int GetAlignment() const { return m_nAlignment; }

protected:
    void PreSubclassWindow() override;
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void OnPaint();
    LRESULT OnEraseBkgnd(WPARAM wp, LPARAM lp);
    void OnSize();
    LRESULT OnPrintClient(WPARAM wp, LPARAM lp);

    void RebuildFont();
    BOOL RefreshBox();
    // The caption box of the band style, for a caption of `extent` in the frame `inner`.
    RECT BandCaptionBox(const RECT& inner, SIZE extent) const;
    RECT PlainCaptionBox(const RECT& inner, SIZE extent) const;

    std::wstring m_strCaption;
    COLORREF m_clrFrame = RGB(60, 81, 98);
    COLORREF m_clrCaptionBack = RGB(107, 124, 140);
    COLORREF m_clrBody = RGB(255, 255, 255);
    COLORREF m_clrText = RGB(255, 255, 255);
    BOOL m_bShowIcon = FALSE;
    BOOL m_bHeaderStyle = FALSE;
    int m_nAlignment = 0;
    LOGFONTW m_logFont{};
    fw::CFont m_font;
    UINT m_nIconId = 0;
};

}  // namespace dirvista
