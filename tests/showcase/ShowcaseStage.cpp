#include "showcase/ShowcaseStage.h"

#include "framework/Handles.h"
#include "framework/Window.h"

#include <shellapi.h>

namespace showcase {

namespace {

void PumpFor(DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    while (::GetTickCount64() < end) {
        fw::PumpWaitingMessages();
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace

bool ShowcaseStage::WaitFor(const wchar_t* step, const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        fw::PumpWaitingMessages();
        if (done()) return true;
        if (::GetTickCount64() >= deadline) break;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    Note(std::wstring(L"not reached: ") + step);
    return false;
}

void ShowcaseStage::ReportReady(HWND window) {
    ::SetWindowPos(window, HWND_TOP, 24, 24, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(window);
    ::SetActiveWindow(window);
    if (::GetForegroundWindow() != window) Note(L"the window is not in the foreground");
    // Without a window manager the X server gives the virtual desktop no input focus, and
    // Wine then draws every caption as inactive; the picture shows the window as in use.
    ::SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The X server composes the virtual desktop on its own schedule; a short settling time
    // lets the last paint reach the screen before the picture is taken.
    PumpFor(700);
    RECT r{};
    ::GetWindowRect(window, &r);
    std::wstring report = L"window " + std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
                          std::to_wstring(r.right - r.left) + L" " + std::to_wstring(r.bottom - r.top) +
                          L"\n" + m_notes;
    // Written under another name and renamed, so the script never reads half a report.
    const std::wstring partial = m_reportPath + L".part";
    fw::FileHandle file(::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, report.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes > 0 ? bytes - 1 : 0, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, report.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(file.Get(), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    file.Reset();
    ::MoveFileExW(partial.c_str(), m_reportPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void ShowcaseStage::Hold(HWND window, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (::IsWindow(window) && ::IsWindowVisible(window) && ::GetTickCount64() < deadline) {
        fw::PumpWaitingMessages();
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

HTREEITEM FindTreeChild(HWND tree, HTREEITEM parent, const std::wstring& text) {
    auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(
        tree, TVM_GETNEXTITEM, parent == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD,
        reinterpret_cast<LPARAM>(parent == TVI_ROOT ? nullptr : parent)));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        wchar_t buffer[MAX_PATH]{};
        TVITEMW tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = buffer;
        tv.cchTextMax = MAX_PATH;
        ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
        if (_wcsicmp(buffer, text.c_str()) == 0) return item;
    }
    return nullptr;
}

std::wstring Argument(int index) {
    int count = 0;
    LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::wstring value = args && index < count ? args[index] : L"";
    ::LocalFree(args);
    return value;
}

}  // namespace showcase
