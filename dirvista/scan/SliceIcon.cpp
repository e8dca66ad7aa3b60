#include "dirvista/scan/SliceIcon.h"

#include "dirvista/pie/SliceColors.h"

#include <array>

namespace dirvista {

fw::IconHandle MakeSliceIcon(COLORREF colour) {
    constexpr int kSide = 16;
    const std::array<BYTE, kSide * kSide / 8> andMask{};  // all zero: every pixel opaque
    std::array<DWORD, kSide * kSide> pixels;
    pixels.fill(SliceIconPixel(colour));
    return fw::IconHandle(::CreateIcon(nullptr, kSide, kSide, 1, 32, andMask.data(),
                                       reinterpret_cast<const BYTE*>(pixels.data())));
}

}  // namespace dirvista
