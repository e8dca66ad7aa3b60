#include "renamory/gathering/MyDropTarget.h"

#include "framework/Handles.h"
#include "renamory/gathering/DragDropGlobals.h"
#include "renamory/gathering/FileListColumns.h"
#include "renamory/gathering/RowPathIndex.h"

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
    if (SUCCEEDED(::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IDropTargetHelper, &helper)) && helper) {
        m_pDropHelper = static_cast<IDropTargetHelper*>(helper);
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
    auto drop = static_cast<HDROP>(lock.Get());

    // One pass over the rows builds the index; each dropped path is then a lookup, where a
    // search of the list per path made a large drop quadratic.
    CRowPathIndex listed(*m_pList, CRowPathIndex::Comparison::IgnoreCase);
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        wchar_t buffer[MAX_PATH] = {};
        // A longer path is cut to 259 characters, and compared and listed as cut.
        if (::DragQueryFileW(drop, i, buffer, MAX_PATH) == 0) continue;
        const std::wstring path = buffer;
        if (listed.Contains(path)) continue;

        SHFILEINFOW info{};
        m_pfnGetFileInfo(path.c_str(), 0, &info, sizeof(info),
                         SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = next;
        item.pszText = buffer;
        item.iImage = info.iIcon;
        if (info.dwAttributes & SFGAO_GHOSTED) {
            item.mask |= LVIF_STATE;
            item.state = LVIS_CUT;
            item.stateMask = LVIS_CUT;
        }
        if (m_pList->InsertItem(item) < 0) continue;
        listed.Add(path);
        ++next;
    }

    SizeColumnsToContent(*m_pList);
    m_pList->EnsureVisible(next - 1, FALSE);
    m_pList->SendMessage(LVM_REDRAWITEMS, 0, m_pList->GetItemCount() - 1);
    return TRUE;
}
