#pragma once
// The tree of drives and folders (the viewer's left pane). It fills itself with the drives
// and their first-level folders the first time it gets the focus, and it always holds one
// level more than the user has opened: expanding or collapsing an item re-reads, from
// disk, the subfolders of each of that item's children. Only folders appear, never files;
// items carry only a text and an image.
#include "framework/Controls.h"

#include <string>

namespace dirvista {

class FolderWalkControl;

class CFolderTreeView : public fw::CTreeCtrl {
public:
    CFolderTreeView() = default;
    ~CFolderTreeView() override;

    // Builds the image list and inserts every drive of GetLogicalDrives in letter order,
    // each with its first level of folders. Returns true.
    BOOL FillDrives();

    // Appends one child item under `parent` per subfolder of `folderPath`, in the order the
    // file system lists them. False when the path is null or the folder cannot be listed.
    BOOL InsertChildFolders(HTREEITEM parent, const wchar_t* folderPath);

    // The size in bytes of the folder (see MeasureFolderSize); reads none of the tree's
    // state, so it may run on any thread. `progress` steps once per direct subfolder.
    static ULONGLONG GetFolderSize(const wchar_t* folderPath, const fw::CProgressCtrl* progress,
                                   FolderWalkControl* control = nullptr);

    bool AreDrivesPending() const { return m_bDrivesPending; }

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool OnSetFocus(WPARAM wp, LPARAM lp, LRESULT& result);
    void OnItemExpanding(NMHDR* header, LRESULT* result);

    fw::CImageList m_imageList;
    bool m_bDrivesPending = true;
};

// The folder path of a tree item: the texts of the item and its ancestors from the root
// down, joined by one backslash each. A drive item's text ends in a backslash, so a folder
// directly below a drive reads C:\\Windows, and one below it C:\\Windows\System32; the
// drive item itself is C:\. Empty for a null item.
std::wstring GetItemPath(const fw::CTreeCtrl& tree, HTREEITEM item);

}  // namespace dirvista
