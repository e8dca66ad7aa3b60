#include "renamory/gathering/ListViewDirect.h"

#include <vector>

CListViewDirect::CListViewDirect(HWND list)
    : m_hWnd(list),
      m_proc(list ? reinterpret_cast<WNDPROC>(::GetClassLongPtrW(list, GCLP_WNDPROC)) : nullptr) {}

LRESULT CListViewDirect::Send(UINT msg, WPARAM wp, LPARAM lp) const {
    if (!m_hWnd) return 0;
    if (!m_proc) return ::SendMessageW(m_hWnd, msg, wp, lp);
    return ::CallWindowProcW(m_proc, m_hWnd, msg, wp, lp);
}

std::wstring CListViewDirect::GetItemText(int row) const {
    wchar_t small[MAX_PATH];
    for (size_t size = MAX_PATH;; size *= 2) {
        std::vector<wchar_t> large;
        wchar_t* buffer = small;
        if (size > MAX_PATH) {
            large.assign(size, L'\0');
            buffer = large.data();
        }
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = buffer;
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (static_cast<size_t>(length) + 1 < size || size >= 32768)
            return std::wstring(item.pszText, static_cast<size_t>(length));
    }
}
