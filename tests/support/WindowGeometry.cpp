#include "support/WindowGeometry.h"

namespace testing_support {

RECT ControlRect(HWND dialog, int id) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void SetClientSize(HWND wnd, int width, int height) {
    RECT frame{0, 0, width, height};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(wnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(wnd, GWL_EXSTYLE)));
    ::SetWindowPos(wnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace testing_support
