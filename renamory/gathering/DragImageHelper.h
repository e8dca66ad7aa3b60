#pragma once
// The shell's drag-image helper, IDropTargetHelper, created through COM.
//
// Declared here instead of taken from <shobjidl.h>: mingw-w64's copy of that header has
// inline helpers that an MSVC-mode compiler rejects (__uuidof on interfaces it declares
// without a uuid), which breaks the suite's MSVC compile check. The layout and identifiers
// are the shell's own.
#include "framework/Win32.h"

#include <ole2.h>

namespace shell {

struct IDropTargetHelper : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE DragEnter(HWND target, IDataObject* data, POINT* point, DWORD effect) = 0;
    virtual HRESULT STDMETHODCALLTYPE DragLeave() = 0;
    virtual HRESULT STDMETHODCALLTYPE DragOver(POINT* point, DWORD effect) = 0;
    virtual HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, POINT* point, DWORD effect) = 0;
    virtual HRESULT STDMETHODCALLTYPE Show(BOOL show) = 0;
};

// CLSID_DragDropHelper {4657278A-411B-11D2-839A-00C04FD918D0}
inline constexpr CLSID kClsidDragDropHelper = {0x4657278A, 0x411B, 0x11D2, {0x83, 0x9A, 0x00, 0xC0, 0x4F, 0xD9, 0x18, 0xD0}};
// IID_IDropTargetHelper {4657278B-411B-11D2-839A-00C04FD918D0}
inline constexpr IID kIidDropTargetHelper = {0x4657278B, 0x411B, 0x11D2, {0x83, 0x9A, 0x00, 0xC0, 0x4F, 0xD9, 0x18, 0xD0}};

// The shell item attribute of items shown dimmed (SFGAO_GHOSTED).
inline constexpr DWORD kItemGhosted = 0x00008000;

// The header of a CF_HDROP block (the shell's DROPFILES), 20 bytes.
struct DropFilesHeader {
    DWORD pFiles;  // offset of the path list from the start of the block
    POINT pt;
    BOOL fNC;
    BOOL fWide;  // the paths are UTF-16
};
static_assert(sizeof(DropFilesHeader) == 20);

}  // namespace shell
