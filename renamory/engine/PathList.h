#pragma once
// The batch renamer's path list: an ordered list of owned strings, one per file or folder,
// each at most kMaxPathChars (259) UTF-16 units long. The dialog keeps two of them,
// m_currentPaths and m_newPaths, paired by position.
//
// No method throws: a failed allocation is reported as STATUS_NO_MEMORY and leaves the list
// as it was.
#include <string>
#include <string_view>
#include <vector>
#include "renamory/engine/EngineStatus.h"

namespace renamory {

class PathList {
public:
    using const_iterator = std::vector<std::wstring>::const_iterator;

    // Appends a copy of path at the end. STATUS_UNSUCCESSFUL when it is longer than 259
    // units (it would not fit a MAX_PATH buffer); the list is then unchanged.
    [[nodiscard]] NTSTATUS Append(std::wstring_view path);

    // Appends text to the entry at index. STATUS_UNSUCCESSFUL when the entry would pass 259
    // units, STATUS_INVALID_PARAMETER for an index past the end; the entry is then unchanged.
    [[nodiscard]] NTSTATUS Extend(size_t index, std::wstring_view text);

    // Removes the first entry equal to path (exact, case-sensitive). False when none is.
    bool RemoveFirst(std::wstring_view path);

    // Empties the list and frees its strings.
    void Clear() noexcept { m_entries.clear(); }

    size_t Size() const noexcept { return m_entries.size(); }
    bool IsEmpty() const noexcept { return m_entries.empty(); }
    const std::wstring& operator[](size_t index) const { return m_entries[index]; }
    const_iterator begin() const noexcept { return m_entries.begin(); }
    const_iterator end() const noexcept { return m_entries.end(); }

    // Reserves room for count entries; a failure only means later appends may allocate.
    void Reserve(size_t count) noexcept;

private:
    std::vector<std::wstring> m_entries;
};

}  // namespace renamory
