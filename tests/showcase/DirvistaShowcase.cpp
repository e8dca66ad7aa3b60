// Dirvista for its screenshot: the real main dialog with a folder opened in the tree, as a
// user opens it (selecting the item), measured, and its list sorted by size, largest first.
//   showcase_dirvista <folder, e.g. D:\> <report file>
#include "dirvista/DirvistaDlg.h"
#include "showcase/ShowcaseStage.h"

#include <vector>

namespace {

// "D:\Media\Music" -> "D:\", "Media", "Music": the texts of the tree items on the way.
std::vector<std::wstring> TreeSteps(const std::wstring& folder) {
    std::vector<std::wstring> steps;
    size_t start = folder.find(L'\\');
    if (start == std::wstring::npos) return {folder + L"\\"};
    steps.push_back(folder.substr(0, start + 1));
    while (++start < folder.size()) {
        const size_t end = folder.find(L'\\', start);
        steps.push_back(folder.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) break;
        start = end;
    }
    return steps;
}

// A click on a column heading, as the mouse makes it (the header then notifies the list).
void ClickHeader(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    RECT r{};
    if (!header || !::SendMessageW(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r))) return;
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(header, WM_LBUTTONUP, 0, at);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    INITCOMMONCONTROLSEX controls{8, 0xFF};
    ::InitCommonControlsEx(&controls);
    const std::wstring folder = showcase::Argument(1);
    showcase::ShowcaseStage stage(showcase::Argument(2));

    CDirvistaDlg dialog;
    if (!dialog.Create()) return 1;
    HWND tree = dialog.GetDlgItem(IDC_FOLDER_TREE);
    HWND list = dialog.GetDlgItem(IDC_FOLDER_LIST);
    // The scan starts a moment after the selection; the dialog says when it is over.
    const auto idle = [&] { return !dialog.IsScanning() && ::IsWindowEnabled(tree); };

    // The tree fills itself when it first gets the focus.
    ::SetFocus(tree);
    stage.WaitFor(L"drives in the tree", [&] { return ::SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0; }, 10000);

    HTREEITEM item = TVI_ROOT;
    for (const std::wstring& step : TreeSteps(folder)) {
        HTREEITEM next = nullptr;
        stage.WaitFor((L"tree item " + step).c_str(),
                      [&] { return (next = showcase::FindTreeChild(tree, item, step)) != nullptr; }, 5000);
        if (!next) break;
        item = next;
        // Selecting an item opens it (single-expand tree) and starts measuring it.
        ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        stage.WaitFor(L"measuring finished", [&] { return idle() && ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0; },
                      60000);
    }

    // Size column twice: ascending, then descending.
    ClickHeader(list, 1);
    ClickHeader(list, 1);
    stage.WaitFor(L"list sorted", [&] { return ::GetQueueStatus(QS_ALLPOSTMESSAGE) == 0; }, 2000);

    stage.ReportReady(dialog.m_hWnd);
    stage.Hold(dialog.m_hWnd, 120000);
    return 0;
}
