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

}  // namespace dirvista
