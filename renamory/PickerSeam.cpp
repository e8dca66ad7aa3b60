#include "renamory/PickerSeam.h"

#include "renamory/RenamoryApp.h"
#include "renamory/gathering/BrowseDlg.h"
#include "renamory/gathering/SelectDialog.h"

#include <utility>

namespace renamory {

namespace {
PathPicker& InstalledPicker() {
    static PathPicker picker;
    return picker;
}
}  // namespace

// The real pickers: the suite's Add Files and Folders dialog, whose result the application
// object keeps (its result code is not looked at), or the files-and-folders picker, whose
// class-wide result counts only after IDOK.
std::vector<std::wstring> RunPlatformPicker(HWND, bool useBrowseDialog) {
    if (useBrowseDialog) {
        CBrowseDlg browse;
        browse.DoModal();
        CRenamoryApp* app = CRenamoryApp::Get();
        if (!app) return {};
        return {app->m_lstPickedPaths.begin(), app->m_lstPickedPaths.end()};
    }
    CSelectDialog picker;
    if (picker.DoModal() != IDOK) return {};
    return CSelectDialog::m_arrChosenItems;
}

std::vector<std::wstring> PickPaths(HWND owner, bool useBrowseDialog) {
    const PathPicker& picker = InstalledPicker();
    if (!picker) return RunPlatformPicker(owner, useBrowseDialog);
    return picker(owner, useBrowseDialog);
}

PathPicker SetPathPicker(PathPicker picker) {
    return std::exchange(InstalledPicker(), std::move(picker));
}

}  // namespace renamory
