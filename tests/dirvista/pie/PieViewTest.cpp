#include <gtest/gtest.h>

#include "dirvista/pie/PieView.h"
#include "dirvista/pie/SliceColors.h"
#include "framework/Dialog.h"
#include "support/Canvas.h"
#include "support/DialogTemplate.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <utility>
#include <vector>

namespace {

using dirvista::CPieView;
using dirvista::PieGeometry;
using dirvista::SliceList;
using dirvista::SliceNode;
using testing_support::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 220);

// A measure of the GDI objects this process holds; only differences are meaningful. Wine's
// GetGuiResources is a stub that answers 0, so there the measure is how many more pens the
// process could still create, negated.
long GdiObjectsInUse() {
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return static_cast<long>(reported);
    std::vector<fw::CPen> pens;
    pens.reserve(1 << 17);
    while (pens.size() < (1u << 17)) {
        fw::CPen pen = fw::MakePen(PS_SOLID, 1, RGB(0, 0, 0));
        if (!pen) break;
        pens.push_back(std::move(pen));
    }
    return -static_cast<long>(pens.size());
}

class PieViewTest : public ::testing::Test {
protected:
    // Adds slices in the order given: the last one becomes the head of the list.
    void Add(std::initializer_list<std::pair<COLORREF, std::uint64_t>> slices) {
        for (const auto& [colour, size] : slices) pie.m_slices.Add(colour, size, L"C:\\fixture");
    }
    void Paint(Canvas& canvas) {
        pie.PaintPie(canvas.Dc(), RECT{0, 0, canvas.Width(), canvas.Height()});
    }
    std::vector<const SliceNode*> Nodes() {
        std::vector<const SliceNode*> nodes;
        SliceList::Traversal slices = pie.m_slices.Lock();
        for (const SliceNode* node = slices.Head(); node; node = node->m_pNext) nodes.push_back(node);
        return nodes;
    }

    CPieView pie;
    // 102 x 102: centre (51, 51), radius 50, bounding square (1, 1, 101, 101).
    Canvas canvas{102, 102, RGB(255, 0, 255)};
};

TEST_F(PieViewTest, AnEmptyListPaintsTheControlWhite) {
    Paint(canvas);
    EXPECT_EQ(102 * 102, canvas.CountColor(kWhite, RECT{0, 0, 102, 102}));
}

TEST_F(PieViewTest, ASingleSliceOfAnySizeIsAFullDiscWithABlackOutline) {
    for (std::uint64_t size : {0ull, 1ull, 123456789ull, 1ull << 62}) {
        SCOPED_TRACE(size);
        pie.m_slices.Clear();
        Add({{kRed, size}});
        Paint(canvas);
        // All round the circle, away from the 3 o'clock radius where the wedge starts.
        for (POINT p : {POINT{51, 5}, POINT{5, 51}, POINT{51, 97}, POINT{45, 45}, POINT{85, 30},
                        POINT{85, 72}, POINT{20, 20}})
            EXPECT_EQ(kRed, canvas.Pixel(p.x, p.y)) << p.x << "," << p.y;
        // Outline on the circle, white outside it.
        EXPECT_EQ(kBlack, canvas.Pixel(51, 1));
        EXPECT_EQ(kBlack, canvas.Pixel(1, 51));
        EXPECT_EQ(kBlack, canvas.Pixel(51, 100));
        for (POINT p : {POINT{0, 0}, POINT{3, 3}, POINT{98, 98}, POINT{101, 51}, POINT{51, 0}})
            EXPECT_EQ(kWhite, canvas.Pixel(p.x, p.y)) << p.x << "," << p.y;
    }
}

TEST_F(PieViewTest, TwoEqualSlicesTheNewerOneIsTheUpperHalf) {
    Add({{kRed, 500}, {kGreen, 500}});
    Paint(canvas);
    for (POINT p : {POINT{51, 10}, POINT{20, 40}, POINT{85, 40}})
        EXPECT_EQ(kGreen, canvas.Pixel(p.x, p.y)) << p.x << "," << p.y;
    for (POINT p : {POINT{51, 92}, POINT{20, 62}, POINT{85, 62}})
        EXPECT_EQ(kRed, canvas.Pixel(p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(PieViewTest, ASliceEndingOnThePreviousEndPixelIsSkipped) {
    // Head: blue, the upper half; then a sliver that ends on the same pixel; then green.
    Add({{kGreen, 1000000}, {kRed, 1}, {kBlue, 1000000}});
    pie.LayoutSlices(51, 51, 50);
    const std::vector<const SliceNode*> nodes = Nodes();
    ASSERT_EQ(3u, nodes.size());
    ASSERT_EQ(nodes[0]->m_ptEnd.x, nodes[1]->m_ptEnd.x);
    ASSERT_EQ(nodes[0]->m_ptEnd.y, nodes[1]->m_ptEnd.y);

    Paint(canvas);
    // Drawn, the sliver's two radial points would lie on one ray: a whole red disc.
    EXPECT_EQ(0, canvas.CountColor(kRed, RECT{0, 0, 102, 102}));
    EXPECT_EQ(kBlue, canvas.Pixel(51, 10));
    EXPECT_EQ(kBlue, canvas.Pixel(20, 40));
    // The next slice starts where the blue one ended.
    EXPECT_EQ(kGreen, canvas.Pixel(51, 92));
    EXPECT_EQ(kGreen, canvas.Pixel(20, 62));
}

TEST_F(PieViewTest, ZeroSizesAreDrawnAsOneByteAndStoredAsOne) {
    Add({{kRed, 0}, {kGreen, 0}});
    Paint(canvas);
    for (const SliceNode* node : Nodes()) EXPECT_EQ(1u, node->m_size);
    EXPECT_EQ(kGreen, canvas.Pixel(51, 10));
    EXPECT_EQ(kRed, canvas.Pixel(51, 92));
}

TEST(PieGeometryTest, CentreAndRadiusOfTheShrunkClientArea) {
    struct Case {
        RECT client;
        int cx, cy, radius;
    };
    const Case cases[] = {
        {{0, 0, 302, 103}, 151, 51, 50},   // shrunk to 300 x 101
        {{0, 0, 103, 302}, 51, 151, 50},
        {{10, 20, 112, 122}, 61, 71, 50},
        {{0, 0, 3, 3}, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.client.right);
        const PieGeometry g = PieGeometry::FromClient(c.client);
        EXPECT_EQ(c.cx, g.cx);
        EXPECT_EQ(c.cy, g.cy);
        EXPECT_EQ(c.radius, g.radius);
    }
}

TEST_F(PieViewTest, TheWideExampleIsCentredWithRadiusFifty) {
    Canvas wide(302, 103, RGB(255, 0, 255));
    Add({{kBlue, 7}});
    Paint(wide);
    // Disc of radius 50 around (151, 51): 101 .. 201 across, 1 .. 101 down. The centre
    // itself lies on the black radius where the wedge starts and ends.
    EXPECT_EQ(kBlack, wide.Pixel(151, 51));
    EXPECT_EQ(kBlue, wide.Pixel(140, 45));
    EXPECT_EQ(kBlue, wide.Pixel(104, 51));
    EXPECT_EQ(kBlue, wide.Pixel(151, 4));
    EXPECT_EQ(kBlue, wide.Pixel(151, 98));
    EXPECT_EQ(kWhite, wide.Pixel(99, 51));
    EXPECT_EQ(kWhite, wide.Pixel(203, 51));
    EXPECT_EQ(0, wide.CountColor(kBlue, RECT{0, 0, 100, 103}));
    EXPECT_EQ(0, wide.CountColor(kBlue, RECT{202, 0, 302, 103}));
}

TEST_F(PieViewTest, EndPointsTruncateTowardZeroCounterclockwiseAndTheLastStopsOneShort) {
    struct Case {
        int radius;
        int slices;
    };
    const Case cases[] = {{1, 1}, {2, 3}, {50, 2}, {50, 4}, {1000, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "r=" << c.radius << " slices=" << c.slices);
        pie.m_slices.Clear();
        for (int i = 0; i < c.slices; ++i) pie.m_slices.Add(dirvista::SliceColor(i), 1000, L"x");
        pie.LayoutSlices(500, 400, c.radius);
        const std::vector<const SliceNode*> nodes = Nodes();
        ASSERT_EQ(static_cast<size_t>(c.slices), nodes.size());
        EXPECT_EQ(500 + c.radius - 1, nodes.back()->m_ptEnd.x);
        EXPECT_EQ(400, nodes.back()->m_ptEnd.y);
        EXPECT_NEAR(6.283184, nodes.back()->m_endAngle, 1e-12);
    }
    // Half a turn at radius 50: -49.99999... truncates to -49, not -50.
    pie.m_slices.Clear();
    Add({{kRed, 1}, {kGreen, 1}});
    pie.LayoutSlices(100, 100, 50);
    EXPECT_EQ(51, Nodes()[0]->m_ptEnd.x);
    EXPECT_EQ(100, Nodes()[0]->m_ptEnd.y);
    EXPECT_DOUBLE_EQ(3.141592, Nodes()[0]->m_endAngle);
    // A quarter turn ends straight up: angles grow counterclockwise on screen.
    pie.m_slices.Clear();
    Add({{kRed, 3}, {kGreen, 1}});
    pie.LayoutSlices(100, 100, 50);
    EXPECT_EQ(100, Nodes()[0]->m_ptEnd.x);
    EXPECT_EQ(51, Nodes()[0]->m_ptEnd.y);
}

TEST_F(PieViewTest, TwentyThousandSlicesDrawWithoutHoldingGdiObjects) {
    constexpr int kSlices = 20000;
    for (int i = 0; i < kSlices; ++i)
        pie.m_slices.Add(dirvista::SliceColor(static_cast<size_t>(i)), 1 + i % 7, L"C:\\f");
    Canvas big(402, 402, RGB(255, 0, 255));
    const long before = GdiObjectsInUse();
    Paint(big);
    const long afterFirst = GdiObjectsInUse();
    for (int round = 0; round < 3; ++round) Paint(big);
    const long afterMore = GdiObjectsInUse();
    EXPECT_LE(afterFirst - before, 2);
    EXPECT_EQ(afterFirst, afterMore);

    // Every pixel of the disc is a slice colour or the black outline: no brush failed.
    const std::vector<COLORREF> allowed(dirvista::kSliceColors.begin(), dirvista::kSliceColors.end());
    int wrong = 0;
    for (int y = 0; y < 402; ++y)
        for (int x = 0; x < 402; ++x) {
            const double dx = x - 201, dy = y - 201;
            if (std::sqrt(dx * dx + dy * dy) > 197) continue;
            const COLORREF pixel = big.Pixel(x, y);
            if (pixel != kBlack && std::find(allowed.begin(), allowed.end(), pixel) == allowed.end())
                ++wrong;
        }
    EXPECT_EQ(0, wrong);
}

// The scan worker adds and clears slices on its thread while the GUI thread paints: what
// the pie reads under the list's lock must not change under it.
TEST_F(PieViewTest, AddAndClearOnAnotherThreadAreSafeAgainstPainting) {
    constexpr int kRounds = 20000;
    constexpr int kSlicesPerRound = 40;
    std::atomic<bool> stop{false};
    std::atomic<int> rounds{0};
    std::thread worker([&] {
        do {
            pie.m_slices.Clear();
            for (int i = 0; i < kSlicesPerRound; ++i)
                pie.m_slices.Add(dirvista::SliceColor(static_cast<size_t>(i)), 100 + i, L"C:\\f");
            ++rounds;
        } while (!stop);
    });
    // Read for as long as the worker is busy changing the list.
    const DWORD deadline = ::GetTickCount() + 30000;
    int inconsistent = 0;
    for (int read = 0; rounds < kRounds && ::GetTickCount() < deadline; ++read) {
        if (read % 20 == 0) Paint(canvas);
        SliceList::Traversal slices = pie.m_slices.Lock();
        std::pair<int, std::uint64_t> first{};
        for (int pass = 0; pass < 4; ++pass) {
            std::pair<int, std::uint64_t> seen{};
            for (const SliceNode* node = slices.Head(); node; node = node->m_pNext) {
                ++seen.first;
                seen.second += node->m_size;
            }
            if (pass == 0) first = seen;
            if (seen != first || seen.first != slices.Count()) ++inconsistent;
        }
    }
    stop = true;
    worker.join();
    EXPECT_GE(rounds, kRounds);
    EXPECT_EQ(0, inconsistent);
    EXPECT_EQ(kSlicesPerRound, pie.m_slices.GetCount());
    Paint(canvas);
    EXPECT_EQ(0, canvas.CountColor(kWhite, RECT{40, 40, 62, 62}));
}

TEST(PieViewWindow, PaintsThroughTheBoundStaticControl) {
    testing_support::EmptyDialogTemplate dialogTemplate;
    fw::CDialog dialog(0);
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
    HWND control = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 5, 5, 102,
                                     102, dialog.m_hWnd, reinterpret_cast<HMENU>(1048), nullptr,
                                     nullptr);
    CPieView pie;
    ASSERT_TRUE(pie.SubclassWindow(control));
    pie.m_slices.Add(kRed, 1, L"a");
    pie.m_slices.Add(kGreen, 1, L"b");
    Canvas canvas(102, 102, RGB(255, 0, 255));
    canvas.PrintWindowClient(pie.m_hWnd);
    EXPECT_EQ(kGreen, canvas.Pixel(51, 10));
    EXPECT_EQ(kRed, canvas.Pixel(51, 92));
    EXPECT_EQ(kWhite, canvas.Pixel(0, 0));
}

}  // namespace
