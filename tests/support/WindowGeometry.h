#pragma once
// Sizes and places of windows, as tests of resizable dialogs read and set them.
#include "framework/Win32.h"

namespace testing_support {

// A dialog item's rectangle in the dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);
// Resizes a window so that its client area is width × height (the frame added to it).
void SetClientSize(HWND wnd, int width, int height);

}  // namespace testing_support
