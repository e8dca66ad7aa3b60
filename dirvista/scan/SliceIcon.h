#pragma once
// The small square icon of a list row, in the colour of its slice.
#include "framework/Handles.h"

namespace dirvista {

// A 16x16 fully opaque 32-bit icon whose every pixel is `colour`.
fw::IconHandle MakeSliceIcon(COLORREF colour);

}  // namespace dirvista
