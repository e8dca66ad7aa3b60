#include "dirvista/scan/FolderRow.h"

#include <cwchar>

namespace dirvista {

FolderRow::FolderRow(std::wstring_view path, ULONGLONG bytes)
    : m_pszPath(new wchar_t[path.size() + 1]),
      m_sizeKB(static_cast<std::uint32_t>(KilobytesOf(bytes))) {
    path.copy(m_pszPath.get(), path.size());
    m_pszPath[path.size()] = L'\0';
}

int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM column) {
    const auto* a = reinterpret_cast<const FolderRow*>(first);
    const auto* b = reinterpret_cast<const FolderRow*>(second);
    if (!a || !b) return 0;
    if (column == 0) {
        return g_sortDescending ? _wcsicmp(b->m_pszPath.get(), a->m_pszPath.get())
                                : _wcsicmp(a->m_pszPath.get(), b->m_pszPath.get());
    }
    if (g_sortDescending) return a->m_sizeKB < b->m_sizeKB ? 1 : 0;
    return a->m_sizeKB > b->m_sizeKB ? 1 : 0;
}

}  // namespace dirvista
