#pragma once
// The batch renamer's path list: an ordered list of owned strings, one per file or folder,
// each at most kMaxPathChars (259) UTF-16 units long. The dialog keeps two of them,
// m_currentPaths and m_newPaths, paired by position.
//
// The strings live zero-terminated in a few large blocks owned by the list rather than in
// one heap block each: a list of 100,000 paths then costs a few dozen allocations instead of
// 100,000, which matters under Wine, where every heap allocation is slow. The space of a
// removed entry is reused only after Clear.
//
// No method throws: a failed allocation is reported as STATUS_NO_MEMORY and leaves the list
// as it was.
#include <cstddef>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>
#include "renamory/engine/EngineStatus.h"

namespace renamory {

class PathList {
public:
    // Walks the entries in order; each is seen as a std::wstring_view.
    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using iterator_concept = std::forward_iterator_tag;
        using value_type = std::wstring_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::wstring_view;

        const_iterator() = default;
        std::wstring_view operator*() const { return View(*m_at); }
        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++m_at;
            return before;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        friend class PathList;
        explicit const_iterator(std::vector<const wchar_t*>::const_iterator at) : m_at(at) {}
        std::vector<const wchar_t*>::const_iterator m_at;
    };

    PathList() = default;
    PathList(PathList&&) noexcept = default;
    PathList& operator=(PathList&&) noexcept = default;
    // Copies would have to allocate without a way to report failure; copy by appending.
    PathList(const PathList&) = delete;
    PathList& operator=(const PathList&) = delete;

    // Appends a copy of path at the end. STATUS_UNSUCCESSFUL when it is longer than 259
    // units (it would not fit a MAX_PATH buffer), STATUS_INVALID_PARAMETER when it holds a
    // zero; the list is then unchanged.
    [[nodiscard]] NTSTATUS Append(std::wstring_view path);

    // Removes the first entry equal to path (exact, case-sensitive). False when none is.
    bool RemoveFirst(std::wstring_view path);

    // Empties the list and frees its strings.
    void Clear() noexcept;

    size_t Size() const noexcept { return m_entries.size(); }
    bool IsEmpty() const noexcept { return m_entries.empty(); }
    std::wstring_view operator[](size_t index) const { return View(m_entries[index]); }
    // The entry at index, zero-terminated, for Win32 calls such as MoveFileW. Valid until
    // the list is cleared or destroyed.
    const wchar_t* CStr(size_t index) const { return m_entries[index]; }
    const_iterator begin() const noexcept { return const_iterator(m_entries.begin()); }
    const_iterator end() const noexcept { return const_iterator(m_entries.end()); }

    // Reserves room for count entries; a failure only means later appends may allocate.
    void Reserve(size_t count) noexcept;

private:
    // Each entry is stored as its length, its units and a terminating zero; the list keeps
    // a pointer to the first unit. Lengths fit one unit, since no entry passes 259.
    static std::wstring_view View(const wchar_t* text) {
        return {text, static_cast<size_t>(static_cast<unsigned>(text[-1]))};
    }

    std::vector<std::unique_ptr<wchar_t[]>> m_blocks;
    size_t m_blockSize = 0;  // units in the newest block
    size_t m_blockUsed = 0;  // units taken in the newest block
    std::vector<const wchar_t*> m_entries;
};

}  // namespace renamory
