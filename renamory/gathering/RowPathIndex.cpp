#include "renamory/gathering/RowPathIndex.h"

#include "renamory/gathering/ListViewDirect.h"

CRowPathIndex::CRowPathIndex(const fw::CListCtrl& list, Comparison comparison)
    : m_comparison(comparison) {
    const CListViewDirect direct(list.m_hWnd);
    const int rows = direct.GetItemCount();
    m_keys.reserve(static_cast<size_t>(rows) * 2 + 16);
    for (int row = 0; row < rows; ++row) Add(direct.GetItemText(row));
}

bool CRowPathIndex::Contains(const std::wstring& path) const { return m_keys.count(Key(path)) != 0; }

void CRowPathIndex::Add(const std::wstring& path) { m_keys.insert(Key(path)); }

std::wstring CRowPathIndex::Key(const std::wstring& path) const {
    if (m_comparison == Comparison::Exact || path.empty()) return path;
    // Two strings compare equal under CompareString exactly when their sort keys are equal,
    // so the sort key (made with the same flags and locale as the list view's lstrcmpi)
    // gives the same answers as the search it replaces, ignorable characters included.
    const int length = static_cast<int>(path.size());
    const int bytes = ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE,
                                     path.c_str(), length, nullptr, 0);
    if (bytes <= 0) return path;
    std::wstring key((static_cast<size_t>(bytes) + 1) / 2, L'\0');
    ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, path.c_str(), length,
                   reinterpret_cast<LPWSTR>(key.data()), bytes);
    return key;
}
