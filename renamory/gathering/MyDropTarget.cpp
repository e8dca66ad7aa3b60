#include "renamory/gathering/MyDropTarget.h"

#include "framework/Handles.h"
#include "renamory/gathering/DragDropGlobals.h"
#include "renamory/gathering/DropFileList.h"
#include "renamory/gathering/FileListColumns.h"
#include "renamory/gathering/ListViewDirect.h"
#include "renamory/gathering/RowPathIndex.h"

#include <algorithm>

namespace {

FORMATETC GlobalFormat(CLIPFORMAT format) {
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The stored medium of one GetData call, released when it goes.
class StorageMedium {
public:
    StorageMedium() = default;
    ~StorageMedium() {
        if (m_bFilled) ::ReleaseStgMedium(&m_medium);
    }
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;

    bool Get(IDataObject* data, CLIPFORMAT format) {
        FORMATETC wanted = GlobalFormat(format);
        m_bFilled = data && SUCCEEDED(data->GetData(&wanted, &m_medium));
        if (m_bFilled && m_medium.tymed != TYMED_HGLOBAL) return false;
        return m_bFilled;
    }
    HGLOBAL Global() const { return m_bFilled ? m_medium.hGlobal : nullptr; }

private:
    STGMEDIUM m_medium{};
    bool m_bFilled = false;
};

bool HasGlobalData(IDataObject* data, CLIPFORMAT format) {
    if (!data) return false;
    FORMATETC wanted = GlobalFormat(format);
    return data->QueryGetData(&wanted) == S_OK;
}

}  // namespace

CMyDropTarget::CMyDropTarget(fw::CListCtrl* list) : m_pList(list) {
    void* helper = nullptr;
    if (SUCCEEDED(::CoCreateInstance(shell::kClsidDragDropHelper, nullptr, CLSCTX_INPROC_SERVER,
                                     shell::kIidDropTargetHelper, &helper)) && helper) {
        m_pDropHelper = static_cast<shell::IDropTargetHelper*>(helper);
        m_bDropHelper = true;
    }
}

CMyDropTarget::~CMyDropTarget() {
    if (m_pDropHelper) m_pDropHelper->Release();
    m_pDropHelper = nullptr;
}

fw::DropEffect CMyDropTarget::AcceptedEffect(IDataObject* data) {
    if (HasGlobalData(data, CF_HDROP) && !HasGlobalData(data, g_cfInternalDrag)) return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

fw::DropEffect CMyDropTarget::OnDragEnter(HWND wnd, IDataObject* data, DWORD, POINT point) {
    const fw::DropEffect effect = AcceptedEffect(data);
    if (m_bDropHelper) m_pDropHelper->DragEnter(wnd, data, &point, effect);
    return effect;
}

fw::DropEffect CMyDropTarget::OnDragOver(HWND, IDataObject* data, DWORD, POINT point) {
    const fw::DropEffect effect = AcceptedEffect(data);
    if (m_bDropHelper) m_pDropHelper->DragOver(&point, effect);
    return effect;
}

BOOL CMyDropTarget::OnDrop(HWND, IDataObject* data, fw::DropEffect effect, POINT point) {
    const BOOL added = AddDroppedFiles(data);
    if (m_bDropHelper) m_pDropHelper->Drop(data, &point, effect);
    return added;
}

void CMyDropTarget::OnDragLeave(HWND) {
    if (m_bDropHelper) m_pDropHelper->DragLeave();
}

BOOL CMyDropTarget::AddDroppedFiles(IDataObject* data) {
    if (!m_pList || !m_pList->m_hWnd) return FALSE;
    int next = m_pList->GetItemCount();
    StorageMedium medium;
    if (!medium.Get(data, CF_HDROP)) return FALSE;
    fw::GlobalLockGuard lock(medium.Global());
    if (!lock.Get()) return FALSE;
    const std::vector<std::wstring> dropped = ReadDropFileList(lock.Get(), ::GlobalSize(medium.Global()));

    // One pass over the rows builds the index; each dropped path is then a lookup, where a
    // search of the list per path made a large drop quadratic.
    CRowPathIndex listed(*m_pList, CRowPathIndex::Comparison::IgnoreCase);
    CShellFileInfoCache shell(m_pfnGetFileInfo);
    // Wine's list view repaints on every insertion while redrawing is on, which alone makes
    // thousands of insertions quadratic; the rows are redrawn once at the end.
    m_pList->SendMessage(WM_SETREDRAW, FALSE);
    const CListViewDirect direct(m_pList->m_hWnd);
    for (const std::wstring& path : dropped) {
        // Paths come cut to 259 characters, and are compared and listed as cut.
        if (path.empty() || listed.Contains(path)) continue;

        const CShellFileInfoCache::Facts info = shell.Get(path);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = next;
        item.pszText = const_cast<wchar_t*>(path.c_str());
        item.iImage = info.icon;
        if (info.attributes & shell::kItemGhosted) {
            item.mask |= LVIF_STATE;
            item.state = LVIS_CUT;
            item.stateMask = LVIS_CUT;
        }
        if (direct.InsertItem(item) < 0) continue;
        listed.Add(path);
        ++next;
    }
    m_pList->SendMessage(WM_SETREDRAW, TRUE);

    SizeColumnsToContent(*m_pList);
    m_pList->EnsureVisible(next - 1, FALSE);
    // Only the rows on screen need repainting; the others are painted when scrolled to. (Wine
    // invalidates row by row, each a server call, so all 20,000 rows would take seconds.)
    const int top = static_cast<int>(m_pList->SendMessage(LVM_GETTOPINDEX));
    const int perPage = static_cast<int>(m_pList->SendMessage(LVM_GETCOUNTPERPAGE));
    const int last = std::min(top + perPage, m_pList->GetItemCount() - 1);
    if (last >= top) m_pList->SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(top), last);
    return TRUE;
}
