#include "renamory/engine/PathList.h"
#include <algorithm>
#include <new>

namespace renamory {

NTSTATUS PathList::Append(std::wstring_view path) {
    if (path.size() > kMaxPathChars) {
        return STATUS_UNSUCCESSFUL;
    }
    try {
        m_entries.emplace_back(path);
    } catch (const std::bad_alloc&) {
        return STATUS_NO_MEMORY;
    }
    return STATUS_SUCCESS;
}

NTSTATUS PathList::Extend(size_t index, std::wstring_view text) {
    if (index >= m_entries.size()) {
        return STATUS_INVALID_PARAMETER;
    }
    std::wstring& entry = m_entries[index];
    if (entry.size() + text.size() > kMaxPathChars) {
        return STATUS_UNSUCCESSFUL;
    }
    try {
        entry.append(text);
    } catch (const std::bad_alloc&) {
        return STATUS_NO_MEMORY;
    }
    return STATUS_SUCCESS;
}

bool PathList::RemoveFirst(std::wstring_view path) {
    auto it = std::find(m_entries.begin(), m_entries.end(), path);
    if (it == m_entries.end()) {
        return false;
    }
    m_entries.erase(it);
    return true;
}

void PathList::Reserve(size_t count) noexcept {
    try {
        m_entries.reserve(count);
    } catch (const std::exception&) {
        // Only a hint: the appends allocate as they go and report their own failure.
    }
}

}  // namespace renamory
