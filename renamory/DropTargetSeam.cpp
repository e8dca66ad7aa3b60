#include "renamory/DropTargetSeam.h"

#include "renamory/gathering/MyDropTarget.h"

#include <utility>

namespace renamory {

namespace {
DropTargetInstaller& InstalledInstaller() {
    static DropTargetInstaller installer;
    return installer;
}
}  // namespace

// The file list's own drop target, registered for the whole dialog and revoked with the
// registration (while the window still exists).
class CFileListDropRegistration : public CDropRegistration {
public:
    CFileListDropRegistration(HWND dialog, fw::CListCtrl& files) : m_target(&files) {
        m_target.Register(dialog);
    }
    ~CFileListDropRegistration() override { m_target.Revoke(); }

private:
    CMyDropTarget m_target;
};

std::unique_ptr<CDropRegistration> InstallDropTarget(HWND dialog, fw::CListCtrl& files) {
    const DropTargetInstaller& installer = InstalledInstaller();
    if (!installer) return std::make_unique<CFileListDropRegistration>(dialog, files);
    return installer(dialog, files);
}

DropTargetInstaller SetDropTargetInstaller(DropTargetInstaller installer) {
    return std::exchange(InstalledInstaller(), std::move(installer));
}

}  // namespace renamory
