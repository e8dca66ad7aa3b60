#pragma once
// Small pieces both main dialogs share: the About item of the system menu, the About box,
// and the icon painted when the window is minimised.
#include "framework/Win32.h"

// Appends a separator and `itemText` (command IDM_ABOUTBOX) to the system menu when string
// resource IDS_ABOUTBOX loads as a non-empty string.
void AppendAboutMenuItem(HWND dialog, const wchar_t* itemText);

// Runs the About box modally.
void ShowAboutBox(HWND owner);

// Paints `icon` centred in the client area of a minimised window, after WM_ICONERASEBKGND.
void PaintMinimizedIcon(HWND wnd, HICON icon);

// The top-left corner where the minimised icon goes in a client area of the given size.
POINT MinimizedIconOrigin(int clientWidth, int clientHeight);
