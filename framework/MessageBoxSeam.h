#pragma once
// Every message box of both programs is shown through ShowMessageBox, so that tests can
// record the calls and script the answers.
#include <windows.h>
#include <functional>
#include <string>

namespace fw {

using MessageBoxHandler =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style)>;

// Shows a message box (MessageBoxW), or hands the call to the installed handler.
int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);

// Installs a handler in place of the real message box; returns the previous one.
// An empty handler restores the real message box.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace fw
