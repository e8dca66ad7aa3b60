#pragma once
// A dialog whose registered controls follow the window's size: each edge of a control moves
// by a fixed fraction of the change of the client area since the dialog was initialised.
#include "framework/Dialog.h"

#include <vector>

class CResizeDialog : public fw::CDialog {
public:
    explicit CResizeDialog(UINT templateId, HWND parent = nullptr, UINT layoutFlags = 0);

    // Registers a control: its left and right edges move by left·dx and right·dx, its top
    // and bottom by top·dy and bottom·dy, where dx and dy are the growth of the client area.
    void AddAnchor(UINT id, double left, double top, double right, double bottom);
    // The smallest client area the user can give the window (the frame is added to it).
    void SetMinClientSize(int width, int height);
    SIZE GetMinClientSize() const { return m_minClient; }

    BOOL OnInitDialog() override;

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    // Moves every registered control for a client area of this size.
    void ApplyLayout(int clientWidth, int clientHeight);

private:
    struct Anchor {
        UINT id;
        double left, top, right, bottom;
        RECT original;  // in client coordinates, when the layout was first taken
        bool captured;
    };

    LRESULT OnSize(WPARAM wp, LPARAM lp);
    LRESULT OnGetMinMaxInfo(WPARAM wp, LPARAM lp);
    void CaptureAnchor(Anchor& anchor) const;
    void PlaceSizeGrip(int clientWidth, int clientHeight, bool visible);

    std::vector<Anchor> m_anchors;
    SIZE m_originalClient{};
    SIZE m_minClient{};
    HWND m_hSizeGrip = nullptr;
    UINT m_layoutFlags;
};
