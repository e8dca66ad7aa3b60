#include "dirvista/folders/FolderTreeView.h"

#include "dirvista/folders/DirectoryReader.h"
#include "dirvista/folders/FolderSizeWalk.h"
#include "dirvista/folders/FolderTreeIcons.h"
#include "dirvista/folders/Wow64RedirectionGuard.h"

#include <string>

namespace dirvista {

CFolderTreeView::~CFolderTreeView() {
    // The image list goes first; the tree must not be left pointing at it.
    if (m_hWnd && ::IsWindow(m_hWnd) && m_imageList.GetSafeHandle()) SetImageList(nullptr);
    m_imageList.DeleteImageList();
}

bool CFolderTreeView::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnMessage<&CFolderTreeView::OnSetFocus>(WM_SETFOCUS),
        fw::OnReflectNotify<&CFolderTreeView::OnItemExpanding>(TVN_ITEMEXPANDINGW),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
           fw::CTreeCtrl::OnWndMsg(msg, wp, lp, result);
}

// The drives are read when the tree is first focused, which is when its dialog first
// shows; the focus message itself then gets its default processing.
bool CFolderTreeView::OnSetFocus(WPARAM, LPARAM, LRESULT&) {
    if (m_bDrivesPending) {
        FillDrives();
        m_bDrivesPending = false;
    }
    return false;
}

BOOL CFolderTreeView::FillDrives() {
    const std::wstring iconLibrary = ShellIconLibrary();
    m_imageList.Create(16, 16, ILC_COLOR32 | ILC_MASK, 16, 16);
    AppendFolderTreeIcons(m_imageList, iconLibrary);
    SetImageList(m_imageList, TVSIL_NORMAL);

    DWORD drives = ::GetLogicalDrives();
    for (int bit = 0; drives != 0 && bit < 26; ++bit, drives >>= 1) {
        if (!(drives & 1)) continue;
        const wchar_t root[] = {static_cast<wchar_t>(L'A' + bit), L':', L'\\', L'\0'};
        const int image = ImageForDriveType(::GetDriveTypeW(root));
        HTREEITEM item = InsertItem(root, image, image, TVI_ROOT, TVI_LAST);
        if (item) InsertChildFolders(item, root);
    }
    return TRUE;
}

BOOL CFolderTreeView::InsertChildFolders(HTREEITEM parent, const wchar_t* folderPath) {
    if (!folderPath) return FALSE;
    Wow64RedirectionGuard redirectionOff;
    // Read access only: a folder the user may read but not change still shows its subfolders.
    DirectoryReader reader;
    if (!reader.Open(folderPath)) return FALSE;
    while (const DirectoryEntry* entry = reader.Next()) {
        if (entry->IsSelfOrParent() || !entry->IsDirectory()) continue;
        InsertItem(std::wstring(entry->Name()), kImageFolder, kImageFolder, parent, TVI_LAST);
    }
    return TRUE;
}

ULONGLONG CFolderTreeView::GetFolderSize(const wchar_t* folderPath,
                                         const fw::CProgressCtrl* progress,
                                         FolderWalkControl* control) {
    return MeasureFolderSize(folderPath, progress, control);
}

// Every expand and every collapse re-reads the subfolders of the item's children, so the
// tree stays one level ahead of what is open and follows changes on disk. The action is
// not examined, and the item's own children are kept: they were read with its parent.
void CFolderTreeView::OnItemExpanding(NMHDR* header, LRESULT* result) {
    const auto* notification = reinterpret_cast<const NMTREEVIEWW*>(header);
    HTREEITEM item = notification->itemNew.hItem;
    if (ItemHasChildren(item)) {
        for (HTREEITEM child = GetChildItem(item); child;) {
            HTREEITEM next = GetNextSiblingItem(child);
            const std::wstring path = GetItemPath(*this, child);
            if (ItemHasChildren(child)) {
                while (HTREEITEM grandchild = GetChildItem(child)) {
                    if (!DeleteItem(grandchild)) break;
                }
            }
            InsertChildFolders(child, path.c_str());
            child = next;
        }
    }
    *result = 0;
}

std::wstring GetItemPath(const fw::CTreeCtrl& tree, HTREEITEM item) {
    std::wstring path;
    for (; item; item = tree.GetParentItem(item)) {
        if (!path.empty()) path.insert(0, 1, L'\\');
        path.insert(0, tree.GetItemText(item));
    }
    return path;
}

}  // namespace dirvista
