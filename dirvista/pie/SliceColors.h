#pragma once
// The colours of the pie's slices. The scan worker gives the i-th subfolder of a scan the
// colour SliceColor(i) and paints its list-row icon in the same colour, so a row and its
// slice always match.
#include "framework/Win32.h"

#include <array>
#include <cstddef>

namespace dirvista {

inline constexpr std::size_t kSliceColorCount = 16;

namespace detail {
// Red, green and blue start at 0, 64 and 128 and each grows by 16 per slice, wrapping on
// its own; the sequence therefore repeats after 16 slices.
constexpr std::array<COLORREF, kSliceColorCount> MakeSliceColors() {
    std::array<COLORREF, kSliceColorCount> colors{};
    for (std::size_t i = 0; i < kSliceColorCount; ++i) {
        const unsigned step = static_cast<unsigned>(16 * i);
        colors[i] = RGB(step % 256, (64 + step) % 256, (128 + step) % 256);
    }
    return colors;
}
}  // namespace detail

inline constexpr std::array<COLORREF, kSliceColorCount> kSliceColors = detail::MakeSliceColors();

// The colour of the slice at position `index` of a scan (0 for the first subfolder).
constexpr COLORREF SliceColor(std::size_t index) { return kSliceColors[index % kSliceColorCount]; }

// A colour as an opaque 32-bit icon pixel (alpha in the high byte, blue in the low byte),
// for the list-row icons: COLORREF keeps red in the low byte instead.
constexpr DWORD SliceIconPixel(COLORREF colour) {
    return 0xFF000000u | (static_cast<DWORD>(GetRValue(colour)) << 16) |
           (static_cast<DWORD>(GetGValue(colour)) << 8) | GetBValue(colour);
}

}  // namespace dirvista
