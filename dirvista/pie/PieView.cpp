#include "dirvista/pie/PieView.h"

#include <algorithm>
#include <cmath>

namespace dirvista {

namespace {
// Six decimals, not full-precision pi: the last slice then ends just short of a full turn,
// at (cx + r - 1, cy), on the same ray as the start point, and GDI's Pie draws a whole
// ellipse for two radial points on one ray. A single slice relies on that to be a disc.
constexpr double kPi = 3.141592;

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
}  // namespace

PieGeometry PieGeometry::FromClient(const RECT& client) {
    const RECT inner{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    const int width = inner.right - inner.left;
    const int height = inner.bottom - inner.top;
    return {inner.left + width / 2, inner.top + height / 2, std::min(width, height) / 2};
}

bool CPieView::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnMessage<&CPieView::OnPaint>(WM_PAINT),
        fw::OnMessage<&CPieView::OnSize>(WM_SIZE),
        fw::OnMessage<&CPieView::OnPrintClient>(WM_PRINTCLIENT),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
           fw::CStatic::OnWndMsg(msg, wp, lp, result);
}

void CPieView::OnPaint() {
    fw::CPaintDC dc(m_hWnd);
    DrawPie(&dc);
}

void CPieView::OnSize() {
    Default();
    RedrawWindow(kRedrawNow);
}

LRESULT CPieView::OnPrintClient(WPARAM wp, LPARAM) {
    PaintPie(reinterpret_cast<HDC>(wp), GetClientRect());
    return 0;
}

BOOL CPieView::DrawPie(fw::CDC* dc) {
    PaintPie(dc->m_hDC, GetClientRect());
    return TRUE;
}

void CPieView::PaintPie(HDC dc, const RECT& client) {
    {
        fw::CBrush white = fw::MakeSolidBrush(RGB(255, 255, 255));
        ::FillRect(dc, &client, white);
    }
    const PieGeometry pie = PieGeometry::FromClient(client);

    // The scan worker adds slices meanwhile; it waits until the layout and the drawing are
    // done with the nodes.
    SliceList::Traversal slices = m_slices.Lock();
    Layout(slices.Head(), pie);

    // Every slice is outlined with the same black pen and filled through the DC brush, so a
    // paint costs one GDI object whatever the number of slices.
    fw::CPen pen = fw::MakePen(PS_SOLID, 1, RGB(0, 0, 0));
    fw::SelectGuard penGuard(dc, pen);
    fw::SelectGuard brushGuard(dc, ::GetStockObject(DC_BRUSH));
    const COLORREF previousBrushColour = ::GetDCBrushColor(dc);

    const RECT box{pie.cx - pie.radius, pie.cy - pie.radius, pie.cx + pie.radius,
                   pie.cy + pie.radius};
    POINT previous{pie.cx + pie.radius, pie.cy};
    for (const SliceNode* slice = slices.Head(); slice; slice = slice->m_pNext) {
        // A slice that ends on the pixel where the previous one ended would have both radial
        // points on one ray, and Pie would then fill the whole circle with it.
        if (slice->m_ptEnd.x == previous.x && slice->m_ptEnd.y == previous.y) continue;
        ::SetDCBrushColor(dc, slice->m_colour);
        ::Pie(dc, box.left, box.top, box.right, box.bottom, previous.x, previous.y,
              slice->m_ptEnd.x, slice->m_ptEnd.y);
        previous = slice->m_ptEnd;
    }
    ::SetDCBrushColor(dc, previousBrushColour);
}

BOOL CPieView::LayoutSlices(int cx, int cy, int radius) {
    SliceList::Traversal slices = m_slices.Lock();
    Layout(slices.Head(), {cx, cy, radius});
    return TRUE;
}

void CPieView::Layout(SliceNode* head, const PieGeometry& geometry) {
    std::uint64_t total = 0;
    for (SliceNode* slice = head; slice; slice = slice->m_pNext) {
        if (slice->m_size == 0) slice->m_size = 1;  // an empty folder keeps a sliver
        total += slice->m_size;
    }
    if (!head) return;

    const double totalSize = static_cast<double>(total);
    const double radius = static_cast<double>(geometry.radius);
    double angle = 0.0;
    for (SliceNode* slice = head; slice; slice = slice->m_pNext) {
        const double size = static_cast<double>(slice->m_size);
        angle += ((size + size) * kPi) / totalSize;
        slice->m_endAngle = angle;
        // Truncation toward zero, not rounding; y grows downwards on screen, so subtracting
        // the sine lays the angles counterclockwise, the direction Pie draws its arc in.
        slice->m_ptEnd.x = geometry.cx + static_cast<int>(radius * std::cos(angle));
        slice->m_ptEnd.y = geometry.cy - static_cast<int>(radius * std::sin(angle));
    }
}

}  // namespace dirvista
