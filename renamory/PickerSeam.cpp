#include "renamory/PickerSeam.h"

#include <utility>

namespace renamory {

namespace {
PathPicker& InstalledPicker() {
    static PathPicker picker;
    return picker;
}
}  // namespace

std::vector<std::wstring> PickPaths(HWND owner, bool useBrowseDialog) {
    const PathPicker& picker = InstalledPicker();
    if (!picker) return {};
    return picker(owner, useBrowseDialog);
}

PathPicker SetPathPicker(PathPicker picker) {
    return std::exchange(InstalledPicker(), std::move(picker));
}

}  // namespace renamory
