#include "framework/Controls.h"

#include <vector>

namespace fw {

int SteppedProgressPosition(int pos, int low, int high, int step, size_t steps) {
    const long long span = static_cast<long long>(high) - low;
    if (span <= 0 || step == 0) return pos;
    long long at = pos;
    for (size_t i = 0; i < steps; ++i) {
        at += step;
        if (at > high) at = low + (at - low) % span;
        else if (at < low) at = high - (low - at) % span;
    }
    return static_cast<int>(at);
}

int CProgressCtrl::StepIt(size_t steps) const {
    const int before = GetPos();
    if (steps == 0) return before;
    PBRANGE range{};
    SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    const int step = static_cast<int>(SendMessage(PBM_GETSTEP));
    SetPos(SteppedProgressPosition(before, range.iLow, range.iHigh, step, steps));
    return before;
}

std::wstring CComboBox::GetLBText(int index) const {
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

bool CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    DeleteImageList();
    m_list = ImageList_Create(cx, cy, flags, initial, grow);
    m_bOwned = m_list != nullptr;
    return m_list != nullptr;
}

void CImageList::Attach(HIMAGELIST list, bool owned) {
    DeleteImageList();
    m_list = list;
    m_bOwned = owned && list;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST list = m_list;
    m_list = nullptr;
    m_bOwned = false;
    return list;
}

void CImageList::DeleteImageList() {
    if (m_list && m_bOwned) ImageList_Destroy(m_list);
    m_list = nullptr;
    m_bOwned = false;
}

HTREEITEM CTreeCtrl::InsertItem(const std::wstring& text, int image, int selectedImage,
                                HTREEITEM parent, HTREEITEM after) const {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return InsertItem(insert);
}

HTREEITEM CTreeCtrl::InsertItem(const TVINSERTSTRUCTW& insert) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
    TVITEMW tv{};
    tv.mask = TVIF_CHILDREN | TVIF_HANDLE;
    tv.hItem = item;
    if (!SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return FALSE;
    return tv.cChildren != 0;
}

std::wstring CTreeCtrl::GetItemText(HTREEITEM item) const {
    // Tree item texts here are folder names and drive labels: 260 units is enough, but
    // grow until the text fits so a long label is never cut silently.
    for (size_t size = 260;; size *= 2) {
        std::vector<wchar_t> buffer(size, L'\0');
        TVITEMW tv{};
        tv.mask = TVIF_TEXT | TVIF_HANDLE;
        tv.hItem = item;
        tv.pszText = buffer.data();
        tv.cchTextMax = static_cast<int>(size);
        if (!SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return {};
        const std::wstring text(tv.pszText);
        if (text.size() + 1 < size || size >= 32768) return text;
    }
}

int CListCtrl::InsertColumn(int index, const std::wstring& heading, int format, int width) const {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(heading.c_str());
    column.iSubItem = index;
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int index, const std::wstring& text, int image) const {
    LVITEMW item{};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.iImage = image;
    return InsertItem(item);
}

BOOL CListCtrl::SetItemText(int index, int subItem, const std::wstring& text) const {
    LVITEMW item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

std::wstring CListCtrl::GetItemText(int index, int subItem) const {
    for (size_t size = 512;; size *= 2) {
        std::vector<wchar_t> buffer(size, L'\0');
        LVITEMW item{};
        item.iSubItem = subItem;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                                           reinterpret_cast<LPARAM>(&item));
        if (static_cast<size_t>(length) + 1 < size || size >= 32768)
            return std::wstring(buffer.data(), static_cast<size_t>(length));
    }
}

BOOL CListCtrl::SetItemData(int index, LPARAM data) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = data;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

LPARAM CListCtrl::GetItemData(int index) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return 0;
    return item.lParam;
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) const {
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

}  // namespace fw
