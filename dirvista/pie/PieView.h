#pragma once
// The pie chart of the folder size viewer: one wedge per slice of its slice list, laid
// counterclockwise from 3 o'clock, newest slice first, each wedge's angle proportional to
// the slice's size. Draws nothing else (no labels, legend or frame).
#include "dirvista/pie/SliceList.h"
#include "framework/Controls.h"
#include "framework/Gdi.h"

namespace dirvista {

// Where the pie sits in a client rectangle: 1 pixel in from every side, centred, with the
// radius of the largest circle that fits. Integer divisions truncate toward zero.
struct PieGeometry {
    int cx = 0;
    int cy = 0;
    int radius = 0;

    static PieGeometry FromClient(const RECT& client);
};

class CPieView : public fw::CStatic {
public:
    CPieView() = default;
    ~CPieView() override = default;

    // Paints the white background and the slices into `dc`, sized to this control's client
    // area. Always TRUE.
    BOOL DrawPie(fw::CDC* dc);
    // The painting itself, for any device context and client rectangle.
    void PaintPie(HDC dc, const RECT& client);
    // Stores 1 in place of every zero size and computes each slice's end angle and end
    // point on the circle of the given centre and radius. Always TRUE.
    BOOL LayoutSlices(int cx, int cy, int radius);

    // Filled and cleared by the scan worker (on its thread); read by the paint.
    SliceList m_slices;

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void OnPaint();
    void OnSize();
    LRESULT OnPrintClient(WPARAM wp, LPARAM lp);

    static void Layout(SliceNode* head, const PieGeometry& geometry);
};

}  // namespace dirvista
