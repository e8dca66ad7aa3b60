// For `make run` without a display: starts the folder size viewer and opens a drive in its
// tree (the demo drive D:), as a user's click would, so that the screenshot shows a measured
// folder: the pie, the list and the frames. The viewer keeps running afterwards.
//   demo_open_drive <Dirvista.exe> <drive letter>
#include "dirvista/DirvistaDlg.h"

#include <string>

namespace {

struct Search {
    DWORD processId;
    HWND tree;
};

BOOL CALLBACK FindTree(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<Search*>(lp);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
    search->tree = ::GetDlgItem(window, IDC_FOLDER_TREE);
    return search->tree ? FALSE : TRUE;
}

// Polls `done` every 50 ms for at most `timeoutMs`; this program has no window to pump.
template <typename Done>
bool WaitFor(Done done, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    while (!done()) {
        if (::GetTickCount64() >= end) return false;
        ::Sleep(50);
    }
    return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!argv || argc < 3 || argv[2][0] < L'A' || (argv[2][0] > L'Z' && argv[2][0] < L'a') || argv[2][0] > L'z')
        return 2;
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    const int letter = (argv[2][0] | 0x20) - L'a';
    ::LocalFree(argv);
    // The tree lists the drives in the order of their letters: the drive's item is the one
    // after as many items as there are drives before it.
    const DWORD drives = ::GetLogicalDrives();
    if (!(drives & (1u << letter))) return 1;
    int index = 0;
    for (int bit = 0; bit < letter; ++bit) index += (drives >> bit) & 1;

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return 1;
    ::CloseHandle(process.hThread);
    ::WaitForInputIdle(process.hProcess, 30000);
    ::CloseHandle(process.hProcess);

    Search search{process.dwProcessId, nullptr};
    if (!WaitFor([&] { return !::EnumWindows(&FindTree, reinterpret_cast<LPARAM>(&search)) || search.tree; }, 30000))
        return 1;
    HWND tree = search.tree;
    // The tree lists the drives when it first gets the focus.
    ::SendMessageW(tree, WM_SETFOCUS, 0, 0);
    if (!WaitFor([&] { return ::SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0; }, 10000)) return 1;

    auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int i = 0; item && i < index; ++i)
        item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    if (!item) return 1;
    // Selecting an item opens it (the tree expands one item at a time) and measures it.
    ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return 0;
}
