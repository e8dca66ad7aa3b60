#include "dirvista/frames/CustomGroupBox.h"

#include "dirvista/frames/MemDC.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"

#include <algorithm>
#include <cstdlib>

namespace dirvista {

namespace {
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// Room left of the caption text for the caption icon, kept also when there is no icon.
constexpr int kIconRoom = 30;
// The band is this much taller than the caption text.
constexpr int kBandExtra = 16;

std::wstring Padded(const std::wstring& text) { return L" " + text + L" "; }

// The LOGFONT height and width of a font of `points` points on the screen.
LOGFONTW PointFontSize(int points, const wchar_t* faceName) {
    LOGFONTW request{};
    {
        fw::CClientDC screen(nullptr);
        // Tenths of a point to pixels: 720 tenths per inch.
        request.lfHeight = -std::abs(::MulDiv(points * 10, ::GetDeviceCaps(screen, LOGPIXELSY), 720));
    }
    std::copy_n(faceName, LF_FACESIZE, request.lfFaceName);
    request.lfFaceName[LF_FACESIZE - 1] = L'\0';
    LOGFONTW created = request;
    fw::CFont font(::CreateFontIndirectW(&request));
    if (font) ::GetObjectW(font, sizeof(created), &created);
    return created;
}
}  // namespace

BOOL CCustomGroupBox::Create(const std::wstring& caption, DWORD style, const RECT& rect,
                             HWND parent, UINT id) {
    HWND wnd = ::CreateWindowExW(0, L"BUTTON", caption.c_str(), style | BS_ICON, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                 fw::ResourceInstance(), nullptr);
    if (!wnd) return FALSE;
    if (!SubclassWindow(wnd)) {
        ::DestroyWindow(wnd);
        return FALSE;
    }
    return TRUE;
}

void CCustomGroupBox::PreSubclassWindow() {
    fw::CButton::PreSubclassWindow();
    // Clipping the siblings keeps the box from painting over the controls lying on it;
    // BS_ICON keeps the button's own text drawing out of the way.
    ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS | BS_ICON);
    HFONT font = GetFont();
    if (!font) font = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    ::GetObjectW(font, sizeof(m_logFont), &m_logFont);
    RebuildFont();
}

bool CCustomGroupBox::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnMessage<&CCustomGroupBox::OnPaint>(WM_PAINT),
        fw::OnMessage<&CCustomGroupBox::OnEraseBkgnd>(WM_ERASEBKGND),
        fw::OnMessage<&CCustomGroupBox::OnSize>(WM_SIZE),
        fw::OnMessage<&CCustomGroupBox::OnPrintClient>(WM_PRINTCLIENT),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
           fw::CButton::OnWndMsg(msg, wp, lp, result);
}

void CCustomGroupBox::OnPaint() {
    fw::CPaintDC dc(m_hWnd);
    PaintBox(dc, GetClientRect());
}

// The paint covers the whole client area.
LRESULT CCustomGroupBox::OnEraseBkgnd(WPARAM, LPARAM) { return FALSE; }

// Nothing to lay out; the button's own handling would repaint it natively.
void CCustomGroupBox::OnSize() {}

LRESULT CCustomGroupBox::OnPrintClient(WPARAM wp, LPARAM) {
    HDC dc = reinterpret_cast<HDC>(wp);
    const RECT client = GetClientRect();
    // The off-screen context covers the target's clip box; keep it within the client area.
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    fw::CDC target(dc);
    PaintBox(target, client);
    ::RestoreDC(dc, saved);
    return 0;
}

void CCustomGroupBox::PaintBox(fw::CDC& target, const RECT& client) {
    CMemDC memDc(&target);
    HDC dc = memDc.m_hDC;

    fw::CBrush bodyBrush = fw::MakeSolidBrush(m_clrBody);
    ::FillRect(dc, &client, bodyBrush);
    const RECT inner{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};

    fw::SelectGuard fontGuard(dc, m_font);
    if (m_strCaption.empty()) {
        // The first paint adopts the window text; later changes of it are not seen.
        const std::wstring text = GetWindowText();
        if (!text.empty()) m_strCaption = Padded(text);
    }
    SIZE extent{};
    if (!m_strCaption.empty())
        ::GetTextExtentPoint32W(dc, m_strCaption.c_str(), static_cast<int>(m_strCaption.size()),
                                &extent);

    RECT caption{};
    if (m_bHeaderStyle) {
        fw::CPen framePen = fw::MakePen(PS_SOLID, 1, m_clrFrame);
        fw::CBrush bandBrush = fw::MakeSolidBrush(m_clrCaptionBack);
        fw::SelectGuard penGuard(dc, framePen);
        {
            fw::SelectGuard brushGuard(dc, bandBrush);
            ::RoundRect(dc, inner.left, inner.top, inner.right, inner.bottom, 5, 5);
        }
        {
            // Square lower corners below the band.
            fw::SelectGuard brushGuard(dc, bodyBrush);
            ::Rectangle(dc, inner.left, inner.top + extent.cy + kBandExtra, inner.right,
                        inner.bottom);
        }
        caption = BandCaptionBox(inner, extent);
    } else {
        caption = PlainCaptionBox(inner, extent);
        {
            fw::CPen framePen = fw::MakePen(PS_SOLID, 1, m_clrFrame);
            fw::SelectGuard penGuard(dc, framePen);
            fw::SelectGuard brushGuard(dc, ::GetStockObject(NULL_BRUSH));
            // The top edge runs through the middle of the caption.
            ::Rectangle(dc, inner.left, inner.top + extent.cy / 2, inner.right, inner.bottom);
        }
        // Cut the caption's gap out of the top edge; the rest is drawn inside it.
        ::IntersectClipRect(dc, caption.left, caption.top, caption.right, caption.bottom);
        fw::CBrush gapBrush = fw::MakeSolidBrush(m_clrCaptionBack);
        ::FillRect(dc, &caption, gapBrush);
    }

    const COLORREF previousTextColour = ::SetTextColor(dc, m_clrText);
    const int previousBkMode = ::SetBkMode(dc, TRANSPARENT);
    if (m_bShowIcon) {
        const RECT iconBox{caption.left - 5, caption.top - 5, caption.left + 30, caption.top + 35};
        DrawCaptionIcon(&memDc, iconBox);
    }
    if (m_bHeaderStyle || m_bShowIcon) caption.left += kIconRoom;
    ::DrawTextW(dc, m_strCaption.c_str(), static_cast<int>(m_strCaption.size()), &caption,
                DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    ::SetBkMode(dc, previousBkMode);
    ::SetTextColor(dc, previousTextColour);
}

RECT CCustomGroupBox::BandCaptionBox(const RECT& inner, SIZE extent) const {
    RECT box{};
    switch (m_nAlignment) {
    case 1:
        box.left = inner.left + (inner.right - inner.left - extent.cx) / 2;
        box.top = inner.top + 2;
        break;
    case 2:
        box.left = inner.right - 2 - extent.cx;
        box.top = inner.top + 2;
        break;
    default:
        box.left = inner.left + 2;
        box.top = inner.top + 10;
        break;
    }
    box.right = box.left + extent.cx;
    box.bottom = box.top + extent.cy;
    return box;
}

// The gap in the top edge holds the whole caption: the text, and the icon room in front of
// it when an icon is shown.
RECT CCustomGroupBox::PlainCaptionBox(const RECT& inner, SIZE extent) const {
    const int width = extent.cx + (m_bShowIcon ? kIconRoom : 0);
    RECT box{};
    switch (m_nAlignment) {
    case 1: box.left = inner.left + (inner.right - inner.left - width) / 2; break;
    case 2: box.left = inner.right - 10 - width; break;
    default: box.left = inner.left + 10; break;
    }
    box.right = box.left + width;
    box.top = inner.top;
    box.bottom = inner.top + extent.cy;
    return box;
}

BOOL CCustomGroupBox::DrawCaptionIcon(fw::CDC* dc, RECT) {
    // LoadImage without LR_SHARED gives an icon of our own, which may be destroyed.
    fw::IconHandle icon(static_cast<HICON>(::LoadImageW(fw::ResourceInstance(),
                                                        MAKEINTRESOURCEW(m_nIconId), IMAGE_ICON,
                                                        0, 0, LR_DEFAULTCOLOR)));
    if (!icon) return FALSE;
    ::DrawIcon(dc->m_hDC, 4, 4, icon.Get());
    return ::DestroyIcon(icon.Release());
}

void CCustomGroupBox::SetCaptionIcon(UINT iconId) {
    m_bShowIcon = TRUE;
    m_nIconId = iconId;
}

BOOL CCustomGroupBox::SetBackgroundColors(COLORREF captionBack, COLORREF body) {
    m_clrCaptionBack = captionBack;
    m_clrBody = body;
    return RefreshBox();
}

BOOL CCustomGroupBox::SetBackgroundColor(COLORREF colour) {
    return SetBackgroundColors(colour, colour);
}

BOOL CCustomGroupBox::SetHeaderStyle(BOOL headerStyle) {
    m_bHeaderStyle = headerStyle;
    return RefreshBox();
}

BOOL CCustomGroupBox::SetCaptionText(const std::wstring& text) {
    if (!m_hWnd || !::IsWindow(m_hWnd)) return FALSE;
    m_strCaption = Padded(text);
    return RefreshBox();
}

BOOL CCustomGroupBox::SetFontBold(BOOL bold) {
    m_logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    RebuildFont();
    return RefreshBox();
}

BOOL CCustomGroupBox::SetFontName(const std::wstring& faceName, BYTE charSet) {
    m_logFont.lfCharSet = charSet;
    const size_t length = std::min<size_t>(faceName.size(), LF_FACESIZE - 1);
    std::copy_n(faceName.c_str(), length, m_logFont.lfFaceName);
    m_logFont.lfFaceName[length] = L'\0';
    RebuildFont();
    return RefreshBox();
}

BOOL CCustomGroupBox::SetFontUnderline(BYTE underline) {
    m_logFont.lfUnderline = underline;
    RebuildFont();
    return RefreshBox();
}

BOOL CCustomGroupBox::SetFontItalic(BYTE italic) {
    m_logFont.lfItalic = italic;
    RebuildFont();
    return RefreshBox();
}

BOOL CCustomGroupBox::SetFontSize(int points) {
    const LOGFONTW sized = PointFontSize(points, m_logFont.lfFaceName);
    m_logFont.lfHeight = sized.lfHeight;
    m_logFont.lfWidth = sized.lfWidth;
    RebuildFont();
    return RefreshBox();
}

BOOL CCustomGroupBox::SetLogFont(LOGFONTW logFont) {
    m_logFont = logFont;
    RebuildFont();
    return RefreshBox();
}

BOOL CCustomGroupBox::SetAlignment(int alignment) {
    m_nAlignment = (alignment == 1 || alignment == 2) ? alignment : 0;
    return RefreshBox();
}

void CCustomGroupBox::RebuildFont() { m_font.Reset(::CreateFontIndirectW(&m_logFont)); }

BOOL CCustomGroupBox::RefreshBox() {
    // Before the box has a window there is nothing to repaint (and a null window would mean
    // the whole desktop to RedrawWindow).
    if (!m_hWnd || !::IsWindow(m_hWnd)) return FALSE;
    RECT area = GetWindowRect();
    RedrawWindow(kRedrawNow);
    // The controls lying on the box belong to the parent: have it repaint them as well.
    HWND parent = GetParent();
    if (!parent) return UpdateWindow();
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::InvalidateRect(parent, &area, TRUE);
    return ::UpdateWindow(parent);
}

}  // namespace dirvista
