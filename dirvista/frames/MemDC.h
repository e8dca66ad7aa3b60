#pragma once
// An off-screen drawing context: a paint handler draws into it exactly as into its paint
// context, in the same logical coordinates, and the finished picture reaches the target in
// one BitBlt when the object goes, so the screen never shows the background fill and the
// drawing over it one after the other. A printer target is drawn on directly.
#include "framework/Gdi.h"

namespace dirvista {

class CMemDC : public fw::CDC {
public:
    explicit CMemDC(fw::CDC* target);
    ~CMemDC() override;

    // The area covered, in the target's logical coordinates: the target's clip box.
    const RECT& Area() const { return m_rcArea; }
    bool IsOffscreen() const { return m_bOffscreen != FALSE; }

private:
    fw::CBitmap m_offscreenBitmap;
    HGDIOBJ m_pPreviousBitmap = nullptr;
    fw::CDC* m_pTargetDC;
    RECT m_rcArea{};
    BOOL m_bOffscreen;
};

}  // namespace dirvista
