#include "renamory/engine/PathList.h"
#include <algorithm>
#include <cwchar>
#include <new>

namespace renamory {

namespace {
// Blocks start small, so that short lists stay small, and double up to 32 KB; larger blocks
// save no measurable time and waste more at the end of the last one.
constexpr size_t kFirstBlockUnits = 512;
constexpr size_t kLargestBlockUnits = 16384;

// Makes room for one more element, doubling the capacity as push_back would.
template <class T>
void MakeRoomForOne(std::vector<T>& items) {
    if (items.size() == items.capacity()) {
        items.reserve(std::max<size_t>(8, items.capacity() * 2));
    }
}
}  // namespace

NTSTATUS PathList::Append(std::wstring_view path) {
    if (path.size() > kMaxPathChars) {
        return STATUS_UNSUCCESSFUL;
    }
    // A zero inside would cut the path short for every Win32 call that reads it.
    if (path.find(L'\0') != std::wstring_view::npos) {
        return STATUS_INVALID_PARAMETER;
    }
    const size_t units = path.size() + 2;  // length, text, zero
    const bool newBlock = m_blocks.empty() || m_blockUsed + units > m_blockSize;
    try {
        MakeRoomForOne(m_entries);
        if (newBlock) {
            MakeRoomForOne(m_blocks);
        }
    } catch (const std::exception&) {
        return STATUS_NO_MEMORY;
    }
    if (newBlock) {
        const size_t size = std::min(std::max(kFirstBlockUnits, m_blockSize * 2), kLargestBlockUnits);
        wchar_t* block = new (std::nothrow) wchar_t[size];
        if (!block) {
            return STATUS_NO_MEMORY;
        }
        m_blocks.emplace_back(block);  // capacity reserved above, so this cannot throw
        m_blockSize = size;
        m_blockUsed = 0;
    }
    wchar_t* slot = m_blocks.back().get() + m_blockUsed;
    slot[0] = static_cast<wchar_t>(path.size());
    std::wmemcpy(slot + 1, path.data(), path.size());
    slot[1 + path.size()] = L'\0';
    m_blockUsed += units;
    m_entries.push_back(slot + 1);  // capacity reserved above
    return STATUS_SUCCESS;
}

bool PathList::RemoveFirst(std::wstring_view path) {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [path](const wchar_t* entry) { return View(entry) == path; });
    if (it == m_entries.end()) {
        return false;
    }
    m_entries.erase(it);
    return true;
}

void PathList::Clear() noexcept {
    std::vector<const wchar_t*>().swap(m_entries);
    std::vector<std::unique_ptr<wchar_t[]>>().swap(m_blocks);
    m_blockSize = 0;
    m_blockUsed = 0;
}

void PathList::Reserve(size_t count) noexcept {
    try {
        m_entries.reserve(count);
    } catch (const std::exception&) {
        // Only a hint: the appends allocate as they go and report their own failure.
    }
}

}  // namespace renamory
