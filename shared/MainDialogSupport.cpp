#include "shared/MainDialogSupport.h"

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "shared/AboutDlg.h"
#include "shared/res/ResourceIds.h"

void AppendAboutMenuItem(HWND dialog, const wchar_t* itemText) {
    HMENU menu = ::GetSystemMenu(dialog, FALSE);
    if (!menu) return;
    wchar_t text[256] = {};
    if (::LoadStringW(fw::ResourceInstance(), IDS_ABOUTBOX, text, 256) <= 0 || !text[0]) return;
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, itemText);
}

void ShowAboutBox(HWND) {
    CAboutDlg about;
    about.DoModal();
}

POINT MinimizedIconOrigin(int clientWidth, int clientHeight) {
    return {(clientWidth - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
            (clientHeight - ::GetSystemMetrics(SM_CYICON) + 1) / 2};
}

void PaintMinimizedIcon(HWND wnd, HICON icon) {
    fw::CPaintDC dc(wnd);
    ::SendMessageW(wnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client{};
    ::GetClientRect(wnd, &client);
    const POINT at = MinimizedIconOrigin(client.right - client.left, client.bottom - client.top);
    ::DrawIcon(dc, at.x, at.y, icon);
}
