#include "renamory/gathering/BeginDragFiles.h"

#include "renamory/gathering/DragDropGlobals.h"
#include "renamory/gathering/FileListColumns.h"

#include "renamory/gathering/DragImageHelper.h"

#include <cstring>

namespace {

// GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE: movable blocks other processes may read.
constexpr UINT kShareableBlock = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;
constexpr DWORD kHeaderBytes = 20;

std::vector<std::wstring> SelectedPaths(const fw::CListCtrl& list) {
    std::vector<std::wstring> paths;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row != -1;
         row = list.GetNextItem(row, LVNI_SELECTED))
        paths.push_back(list.GetItemText(row, 0));
    return paths;
}

// Deletes the selected rows that `leaves` picks; true when one went.
template <class Predicate>
bool DeleteSelectedRows(const fw::CListCtrl& list, Predicate leaves) {
    bool deleted = false;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row != -1;
         row = list.GetNextItem(row, LVNI_SELECTED)) {
        if (!leaves(row)) continue;
        list.DeleteItem(row);
        deleted = true;
        // The walk goes on from the row before the deleted one.
        --row;
    }
    return deleted;
}

bool FileIsGone(const std::wstring& path) {
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    // Only a missing file counts: a missing folder on the way or a denied access keeps it.
    return ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

fw::DropEffect RunPlatformDragLoop(fw::COleDataSource& source, fw::DropEffect allowed) {
    return source.DoDragDrop(allowed);
}

fw::GlobalHandle BuildDropFilesBlock(const std::vector<std::wstring>& paths) {
    size_t characters = 0;
    for (const std::wstring& path : paths) characters += path.size() + 1;
    const SIZE_T bytes = kHeaderBytes + 2 * characters + 2;
    fw::GlobalHandle block(::GlobalAlloc(kShareableBlock, bytes));
    if (!block) return block;
    fw::GlobalLockGuard lock(block.Get());
    if (!lock.Get()) return fw::GlobalHandle();
    auto* bytesOut = static_cast<unsigned char*>(lock.Get());
    shell::DropFilesHeader header{};
    header.pFiles = kHeaderBytes;
    header.fWide = TRUE;
    std::memcpy(bytesOut, &header, kHeaderBytes);
    auto* text = reinterpret_cast<wchar_t*>(bytesOut + kHeaderBytes);
    for (const std::wstring& path : paths) {
        std::memcpy(text, path.c_str(), path.size() * sizeof(wchar_t));
        text += path.size() + 1;  // the zero fill gives each terminator and the final one
    }
    return block;
}

void OnBeginDragFiles(const fw::CListCtrl& list, const NMLISTVIEW*, LRESULT* result,
                      const DragLoop& dragLoop) {
    if (result) *result = 0;
    fw::GlobalHandle files = BuildDropFilesBlock(SelectedPaths(list));
    if (!files) return;

    fw::COleDataSource source;
    const FORMATETC described{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    source.CacheGlobalData(CF_HDROP, files.Release(), &described);
    // The marker's content does not matter, only its presence.
    fw::GlobalHandle marker(::GlobalAlloc(kShareableBlock, 1));
    if (!marker) return;
    FORMATETC markerDescribed = described;
    markerDescribed.cfFormat = g_cfInternalDrag;
    source.CacheGlobalData(g_cfInternalDrag, marker.Release(), &markerDescribed);

    const fw::DropEffect effect = dragLoop ? dragLoop(source, DROPEFFECT_COPY | DROPEFFECT_MOVE)
                                       : DROPEFFECT_NONE;
    if (effect == DROPEFFECT_COPY || effect == DROPEFFECT_MOVE) {
        // The row leaves even when the target only copied the file.
        DeleteSelectedRows(list, [](int) { return true; });
        SizeColumnsToContent(list);
    } else if (effect == DROPEFFECT_NONE && g_bIsNT) {
        // A target that moved the file itself may report no effect.
        if (DeleteSelectedRows(list, [&](int row) { return FileIsGone(list.GetItemText(row, 0)); }))
            SizeColumnsToContent(list);
    }
}
