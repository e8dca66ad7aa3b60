#pragma once
// The small square images of the list rows, in the colours of their slices.
#include "framework/Win32.h"

namespace dirvista {

// Appends `count` fully opaque 16x16 images to a 32-bit image list, image k (counted from
// the first one appended) filled with the colour of slice k. All go in with one call: adding
// icons one at a time costs milliseconds each, which a folder of thousands of subfolders
// would feel. False when the images could not be made or added.
bool AppendSliceImages(HIMAGELIST list, size_t count);

}  // namespace dirvista
