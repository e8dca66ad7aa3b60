#include "dirvista/scan/SliceImageStrip.h"

#include "dirvista/pie/SliceColors.h"
#include "framework/Gdi.h"

#include <vector>

namespace dirvista {

bool AppendSliceImages(HIMAGELIST list, size_t count) {
    constexpr int kSide = 16;
    if (!list || count == 0) return count == 0;
    const int width = static_cast<int>(count) * kSide;

    // One row of images side by side, as the image list expects a strip.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -kSide;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::CBitmap colours(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colours || !bits) return false;
    auto* pixels = static_cast<DWORD*>(bits);
    for (size_t k = 0; k < count; ++k) {
        const DWORD pixel = SliceIconPixel(SliceColor(k));
        for (int y = 0; y < kSide; ++y) {
            DWORD* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(width) + k * kSide;
            for (int x = 0; x < kSide; ++x) row[x] = pixel;
        }
    }
    // An all-zero mask: every pixel opaque.
    const std::vector<BYTE> maskBits(static_cast<size_t>((width + 15) / 16 * 2) * kSide, 0);
    fw::CBitmap mask(::CreateBitmap(width, kSide, 1, 1, maskBits.data()));
    if (!mask) return false;
    return ::ImageList_Add(list, colours, mask) >= 0;
}

}  // namespace dirvista
