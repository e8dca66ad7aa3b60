// Renamory for its screenshot: the real main dialog with files in the list, a pattern typed
// and completed with a token button, and Preview pressed.
//   showcase_renamory <report file> <pattern text> <file>...
#include "renamory/RenamoryApp.h"
#include "renamory/RenamoryDlg.h"
#include "showcase/ShowcaseStage.h"

#include <ole2.h>

#include <string>
#include <vector>

namespace {

constexpr int kPatternId = 1003;
constexpr int kPreviewId = 1007;
constexpr int kCountButtonId = 1013;

// The dialog reads the application object (the pickers leave their paths there).
CRenamoryApp theApp;

std::wstring CellText(HWND list, int row, int column) {
    wchar_t buffer[MAX_PATH]{};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = MAX_PATH;
    ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    INITCOMMONCONTROLSEX controls{8, 0xFF};
    ::InitCommonControlsEx(&controls);
    if (FAILED(::OleInitialize(nullptr))) return 1;
    showcase::ShowcaseStage stage(showcase::Argument(1));
    const std::wstring typed = showcase::Argument(2);
    std::vector<std::wstring> files;
    for (int i = 3; !showcase::Argument(i).empty(); ++i) files.push_back(showcase::Argument(i));

    int result = 1;
    {
        CRenamoryDlg dialog;
        if (dialog.Create()) {
            HWND list = dialog.GetDlgItem(kIdFileList);
            HWND pattern = dialog.GetDlgItem(kPatternId);

            // The rows Add... would make: each picked path inserted at the top, so the last
            // one goes in first.
            for (auto it = files.rbegin(); it != files.rend(); ++it) {
                LVITEMW row{};
                row.mask = LVIF_TEXT;
                row.pszText = const_cast<wchar_t*>(it->c_str());
                ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
            }

            // Typed into the pattern box, then completed with the Count button.
            ::SetFocus(pattern);
            for (wchar_t c : typed) ::PostMessageW(pattern, WM_CHAR, c, 1);
            ::PostMessageW(dialog.GetDlgItem(kCountButtonId), BM_CLICK, 0, 0);
            stage.WaitFor(L"pattern typed", [&] { return ::GetWindowTextLengthW(pattern) > static_cast<int>(typed.size()); },
                          5000);

            ::PostMessageW(dialog.GetDlgItem(kPreviewId), BM_CLICK, 0, 0);
            stage.WaitFor(L"Modified Names filled by Preview",
                          [&] { return !files.empty() && !CellText(list, static_cast<int>(files.size()) - 1, 1).empty(); },
                          10000);

            stage.ReportReady(dialog.m_hWnd);
            stage.Hold(dialog.m_hWnd, 120000);
            result = 0;
        }
    }
    ::OleUninitialize();
    return result;
}
