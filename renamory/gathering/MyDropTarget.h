#pragma once
// The main dialog's drop target: files and folders dropped anywhere on the dialog become rows
// at the bottom of the file list, unless already listed (letter case ignored).
#include "framework/Controls.h"
#include "framework/OleDropTarget.h"
#include "renamory/gathering/ShellFileInfoCache.h"

#include "renamory/gathering/DragImageHelper.h"

class CMyDropTarget : public fw::COleDropTarget {
public:
    // `list` is the dialog's file list (not owned). Creates the shell's drag-image helper
    // when COM offers it; drops work without it.
    explicit CMyDropTarget(fw::CListCtrl* list);
    ~CMyDropTarget() override;

    fw::DropEffect OnDragEnter(HWND wnd, IDataObject* data, DWORD keyState, POINT point) override;
    fw::DropEffect OnDragOver(HWND wnd, IDataObject* data, DWORD keyState, POINT point) override;
    BOOL OnDrop(HWND wnd, IDataObject* data, fw::DropEffect effect, POINT point) override;
    void OnDragLeave(HWND wnd) override;

    // Appends the CF_HDROP paths of `data` to the list. FALSE when the data has no
    // file-drop block.
    BOOL AddDroppedFiles(IDataObject* data);

    // DROPEFFECT_COPY for file-drop data that did not start in the file list, else NONE.
    static fw::DropEffect AcceptedEffect(IDataObject* data);

    // The shell's file information (SHGetFileInfoW); tests put a stand-in here.
    CShellFileInfoCache::FileInfoFunction m_pfnGetFileInfo = &CShellFileInfoCache::SystemFileInfo;

    fw::CListCtrl* m_pList;
    shell::IDropTargetHelper* m_pDropHelper = nullptr;
    bool m_bDropHelper = false;
};
