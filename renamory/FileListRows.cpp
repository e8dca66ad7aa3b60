#include "renamory/FileListRows.h"

#include "renamory/rename/RenameJob.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace renamory {

namespace {

// Bulk changes of many rows would otherwise repaint the list after each one.
class RedrawPause {
public:
    explicit RedrawPause(const fw::CListCtrl& list) : m_list(list) {
        m_list.SendMessage(WM_SETREDRAW, FALSE);
    }
    ~RedrawPause() {
        m_list.SendMessage(WM_SETREDRAW, TRUE);
        m_list.Invalidate();
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    const fw::CListCtrl& m_list;
};

size_t ReadCellInto(const fw::CListCtrl& list, int row, int column, wchar_t (&buffer)[kPathBufferUnits]) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(kPathBufferUnits);
    buffer[0] = L'\0';
    const LRESULT length = list.SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                            reinterpret_cast<LPARAM>(&item));
    return static_cast<size_t>(length);
}

void SetCell(const fw::CListCtrl& list, int row, int column, const wchar_t* text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text);
    list.SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

std::wstring ReadCell(const fw::CListCtrl& list, int row, int column) {
    wchar_t buffer[kPathBufferUnits];
    const size_t length = ReadCellInto(list, row, column, buffer);
    return std::wstring(buffer, length);
}

size_t AddPathsAtTop(const fw::CListCtrl& list, const std::vector<std::wstring>& paths) {
    const int rowCount = list.GetItemCount();
    // One look at every row and one lookup per path, instead of comparing every path with
    // every row; the duplicates found are the same.
    std::unordered_set<std::wstring> shown;
    shown.reserve(static_cast<size_t>(rowCount) + paths.size());
    for (int row = 0; row < rowCount; ++row) shown.insert(ReadCell(list, row, kCurrentNameColumn));

    size_t duplicates = 0;
    std::vector<const std::wstring*> added;
    for (const std::wstring& path : paths) {
        if (path.empty() || path.size() > kMaxPathChars) continue;
        if (!shown.insert(path).second) {
            ++duplicates;
            continue;
        }
        added.push_back(&path);
    }
    if (added.empty()) return duplicates;

    // Each new path goes to the top, so the last one ends up first. Inserting them from the
    // last at increasing positions gives the same rows without moving the list down once per
    // path.
    RedrawPause pause(list);
    int index = 0;
    for (auto it = added.rbegin(); it != added.rend(); ++it, ++index) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<wchar_t*>((*it)->c_str());
        list.InsertItem(item);
    }
    return duplicates;
}

NTSTATUS AppendCurrentNames(const fw::CListCtrl& list, PathList& paths) {
    const int rowCount = list.GetItemCount();
    paths.Reserve(paths.Size() + static_cast<size_t>(rowCount));
    wchar_t buffer[kPathBufferUnits];
    for (int row = 0; row < rowCount; ++row) {
        const size_t length = ReadCellInto(list, row, kCurrentNameColumn, buffer);
        const NTSTATUS status = paths.Append(std::wstring_view(buffer, length));
        if (status != STATUS_SUCCESS) return status;
    }
    return STATUS_SUCCESS;
}

void FillModifiedNames(const fw::CListCtrl& list, const PathList& newPaths) {
    const int rowCount = list.GetItemCount();
    RedrawPause pause(list);
    for (size_t i = 0; i < newPaths.Size() && i < static_cast<size_t>(rowCount); ++i) {
        SetCell(list, static_cast<int>(i), kModifiedNameColumn, newPaths.CStr(i));
    }
}

void ClearModifiedNames(const fw::CListCtrl& list) {
    const int rowCount = list.GetItemCount();
    RedrawPause pause(list);
    for (int row = 0; row < rowCount; ++row) SetCell(list, row, kModifiedNameColumn, L"");
}

void ApplyRenameOutcome(const fw::CListCtrl& list, const RenameJob& job) {
    const PathList& current = job.CurrentPaths();
    const PathList& renamed = job.NewPaths();
    std::unordered_map<std::wstring_view, const wchar_t*> newPathOf;
    newPathOf.reserve(job.AttemptedCount());
    for (size_t i = 0; i < job.AttemptedCount(); ++i) {
        if (job.Succeeded(i)) newPathOf.emplace(current[i], renamed.CStr(i));
    }

    const int rowCount = list.GetItemCount();
    RedrawPause pause(list);
    wchar_t buffer[kPathBufferUnits];
    for (int row = 0; row < rowCount; ++row) {
        const size_t length = ReadCellInto(list, row, kCurrentNameColumn, buffer);
        const auto found = newPathOf.find(std::wstring_view(buffer, length));
        if (found != newPathOf.end()) {
            SetCell(list, row, kCurrentNameColumn, found->second);
            // A file is renamed once; another row with the same text is not that file.
            newPathOf.erase(found);
        }
        SetCell(list, row, kModifiedNameColumn, L"");
    }
}

}  // namespace renamory
