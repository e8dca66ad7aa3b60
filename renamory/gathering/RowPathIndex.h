#pragma once
// An index of the file list's paths (column 0 of every row), so that a duplicate test costs
// a hash lookup instead of a scan of every row: a drop of thousands of files onto thousands
// of rows stays linear.
#include "framework/Controls.h"

#include <string>
#include <unordered_set>

class CRowPathIndex {
public:
    enum class Comparison {
        // Exact, letter case included (the Add... button's test).
        Exact,
        // Letter case ignored the way the list view's own string search (LVM_FINDITEMW with
        // LVFI_STRING) ignores it: equal when CompareString with NORM_IGNORECASE says so.
        IgnoreCase,
    };

    explicit CRowPathIndex(Comparison comparison) : m_comparison(comparison) {}
    // Reads the column 0 text of every row of `list`.
    CRowPathIndex(const fw::CListCtrl& list, Comparison comparison);

    bool Contains(const std::wstring& path) const;
    void Add(const std::wstring& path);
    size_t Size() const { return m_keys.size(); }

private:
    std::wstring Key(const std::wstring& path) const;

    Comparison m_comparison;
    std::unordered_set<std::wstring> m_keys;
};
