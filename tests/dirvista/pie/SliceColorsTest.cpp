#include <gtest/gtest.h>

#include "dirvista/pie/SliceColors.h"

namespace {

struct ColorCase {
    std::size_t index;
    int red, green, blue;
};

TEST(SliceColors, FollowTheScanOrderAndRepeatEverySixteen) {
    const ColorCase cases[] = {
        {0, 0, 64, 128},    {1, 16, 80, 144},  {7, 112, 176, 240}, {8, 128, 192, 0},
        {12, 192, 0, 64},   {15, 240, 48, 112}, {16, 0, 64, 128},  {33, 16, 80, 144},
    };
    for (const ColorCase& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(RGB(c.red, c.green, c.blue), dirvista::SliceColor(c.index));
        const DWORD pixel = 0xFF000000u | (c.red << 16) | (c.green << 8) | c.blue;
        EXPECT_EQ(pixel, dirvista::SliceIconPixel(dirvista::SliceColor(c.index)));
    }
}

}  // namespace
