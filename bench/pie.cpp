// Lays out and paints pies of 1,000, 10,000 and 100,000 slices into a memory DC, against a
// baseline of filling the same DC with as many plain rectangles. Layout is two passes with
// one sine and one cosine per slice, and drawing skips slices that end on the pixel where
// the previous one ended, so the paint must grow linearly with the number of slices.
#include "dirvista/pie/PieView.h"
#include "dirvista/pie/SliceColors.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kWidth = 460;  // about the pie control of the viewer's main window
constexpr int kHeight = 330;
constexpr int kRepeats = 5;

// A 32-bit DIB section selected into a memory DC.
class DibCanvas {
public:
    DibCanvas(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.Reset(::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_previous = ::SelectObject(m_dc, m_bitmap);
    }
    ~DibCanvas() { ::SelectObject(m_dc, m_previous); }
    HDC Dc() const { return m_dc; }

private:
    fw::CDC m_dc;
    fw::CBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

// The best of a few runs, in milliseconds: the least disturbed by the other work of the
// machine.
template <class F>
double BestMs(F&& run) {
    double best = 1e300;
    for (int i = 0; i < kRepeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        ::GdiFlush();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

struct Figures {
    double layoutMs;
    double pieMs;
    double rectsMs;
};

Figures Measure(HDC dc, int slices) {
    dirvista::CPieView pie;
    std::uint32_t seed = 12345;
    for (int i = 0; i < slices; ++i) {
        seed = seed * 1664525u + 1013904223u;  // folder sizes from a few bytes to about 1 GB
        pie.m_slices.Add(dirvista::SliceColor(static_cast<size_t>(i)), 1 + (seed >> 2), L"C:\\f");
    }
    const RECT client{0, 0, kWidth, kHeight};
    Figures figures{};
    figures.layoutMs = BestMs([&] { pie.LayoutSlices(kWidth / 2, kHeight / 2, kHeight / 2 - 1); });
    figures.pieMs = BestMs([&] { pie.PaintPie(dc, client); });
    figures.rectsMs = BestMs([&] {
        fw::SelectGuard brush(dc, ::GetStockObject(DC_BRUSH));
        for (int i = 0; i < slices; ++i) {
            ::SetDCBrushColor(dc, dirvista::SliceColor(static_cast<size_t>(i)));
            const int x = (i * 7) % (kWidth - 8);
            const int y = (i * 13) % (kHeight - 8);
            ::PatBlt(dc, x, y, 8, 8, PATCOPY);
        }
    });
    return figures;
}

}  // namespace

int wmain() {
    DibCanvas canvas(kWidth, kHeight);
    const int counts[] = {1000, 10000, 100000};
    Figures figures[3]{};
    for (int i = 0; i < 3; ++i) {
        figures[i] = Measure(canvas.Dc(), counts[i]);
        std::printf("pie slices=%d layout_ms=%.3f paint_ms=%.3f rects_ms=%.3f pie_vs_rects=%.2f\n",
                    counts[i], figures[i].layoutMs, figures[i].pieMs, figures[i].rectsMs,
                    figures[i].pieMs / figures[i].rectsMs);
    }
    const double growth = figures[2].pieMs / figures[1].pieMs;
    const double growthSmall = figures[1].pieMs / figures[0].pieMs;
    const double rectsGrowth = figures[2].rectsMs / figures[1].rectsMs;
    std::printf("growth 1k->10k=%.2f 10k->100k=%.2f (rectangles 10k->100k=%.2f); linear needs <= 12\n",
                growthSmall, growth, rectsGrowth);
    std::printf("BENCH pie growth=%.2f t10k_ms=%.2f t100k_ms=%.2f vs_rects_10k=%.2f linear=%s\n", growth,
                figures[1].pieMs, figures[2].pieMs, figures[1].pieMs / figures[1].rectsMs,
                growth <= 12.0 ? "yes" : "no");
    return growth <= 12.0 ? 0 : 1;
}
