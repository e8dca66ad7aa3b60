#include "renamory/DropTargetSeam.h"

#include <utility>

namespace renamory {

namespace {
DropTargetInstaller& InstalledInstaller() {
    static DropTargetInstaller installer;
    return installer;
}
}  // namespace

std::unique_ptr<CDropRegistration> InstallDropTarget(HWND dialog, fw::CListCtrl& files) {
    const DropTargetInstaller& installer = InstalledInstaller();
    if (!installer) return nullptr;
    return installer(dialog, files);
}

DropTargetInstaller SetDropTargetInstaller(DropTargetInstaller installer) {
    return std::exchange(InstalledInstaller(), std::move(installer));
}

}  // namespace renamory
