#pragma once
// How the main dialog gets a drop target for files dropped anywhere on its window. The
// installer registers one for the dialog, with the file list as the place dropped rows go,
// and returns the registration; the dialog keeps it until its window is destroyed, and
// destroying it revokes the target. Without an installer the file list's own drop target
// (CMyDropTarget) is registered.
#include "framework/Controls.h"

#include <functional>
#include <memory>

namespace renamory {

class CDropRegistration {
public:
    virtual ~CDropRegistration() = default;
};

using DropTargetInstaller =
    std::function<std::unique_ptr<CDropRegistration>(HWND dialog, fw::CListCtrl& files)>;

std::unique_ptr<CDropRegistration> InstallDropTarget(HWND dialog, fw::CListCtrl& files);

// Installs installer for every later dialog and returns the previous one.
DropTargetInstaller SetDropTargetInstaller(DropTargetInstaller installer);

}  // namespace renamory
