#include "renamory/FileListRows.h"

#include "renamory/rename/RenameJob.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace renamory {

namespace {

// Row operations here touch every row, and a message sent to the list goes through its
// subclasses first: our object's procedure, and any subclass installed with
// SetWindowSubclass, whose data Wine looks up as a window property (a wineserver round trip
// per message). For many rows that can be most of the time spent, so these messages go
// straight to the list view's own procedure. They are plain reads and
// writes of row texts, which no subclass of the list acts on. (Notifications to the dialog
// still go out as usual.)
class DirectList {
public:
    explicit DirectList(const fw::CListCtrl& list)
        : m_wnd(list.m_hWnd),
          m_proc(reinterpret_cast<WNDPROC>(::GetClassLongPtrW(list.m_hWnd, GCLP_WNDPROC))) {}

    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return m_proc ? ::CallWindowProcW(m_proc, m_wnd, msg, wp, lp) : ::SendMessageW(m_wnd, msg, wp, lp);
    }
    int RowCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    size_t ReadCell(int row, int column, wchar_t (&buffer)[kPathBufferUnits]) const {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = static_cast<int>(kPathBufferUnits);
        buffer[0] = L'\0';
        return static_cast<size_t>(Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    }
    void SetCell(int row, int column, const wchar_t* text) const {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = const_cast<wchar_t*>(text);
        Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    void Insert(int row, const wchar_t* text) const {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(text);
        Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }

private:
    HWND m_wnd;
    WNDPROC m_proc;
};

// While many rows change at once, the list stays unpainted and is repainted once at the end.
class BulkRowChange {
public:
    explicit BulkRowChange(const DirectList& list, HWND listWnd) : m_list(list), m_listWnd(listWnd) {
        m_list.Send(WM_SETREDRAW, FALSE);
    }
    ~BulkRowChange() {
        m_list.Send(WM_SETREDRAW, TRUE);
        ::InvalidateRect(m_listWnd, nullptr, TRUE);
    }
    BulkRowChange(const BulkRowChange&) = delete;
    BulkRowChange& operator=(const BulkRowChange&) = delete;

private:
    const DirectList& m_list;
    HWND m_listWnd;
};

}  // namespace

std::wstring ReadCell(const fw::CListCtrl& list, int row, int column) {
    wchar_t buffer[kPathBufferUnits];
    const size_t length = DirectList(list).ReadCell(row, column, buffer);
    return std::wstring(buffer, length);
}

size_t AddPathsAtTop(const fw::CListCtrl& list, const std::vector<std::wstring>& paths) {
    const DirectList rows(list);
    const int rowCount = rows.RowCount();
    // One look at every row and one lookup per path, instead of comparing every path with
    // every row; the duplicates found are the same.
    std::unordered_set<std::wstring> shown;
    shown.reserve(static_cast<size_t>(rowCount) + paths.size());
    wchar_t buffer[kPathBufferUnits];
    for (int row = 0; row < rowCount; ++row) {
        const size_t length = rows.ReadCell(row, kCurrentNameColumn, buffer);
        shown.emplace(buffer, length);
    }

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
    {
        BulkRowChange bulk(rows, list.m_hWnd);
        int index = 0;
        for (auto it = added.rbegin(); it != added.rend(); ++it, ++index) rows.Insert(index, (*it)->c_str());
    }
    return duplicates;
}

NTSTATUS AppendCurrentNames(const fw::CListCtrl& list, PathList& paths) {
    const DirectList rows(list);
    const int rowCount = rows.RowCount();
    paths.Reserve(paths.Size() + static_cast<size_t>(rowCount));
    wchar_t buffer[kPathBufferUnits];
    for (int row = 0; row < rowCount; ++row) {
        const size_t length = rows.ReadCell(row, kCurrentNameColumn, buffer);
        const NTSTATUS status = paths.Append(std::wstring_view(buffer, length));
        if (status != STATUS_SUCCESS) return status;
    }
    return STATUS_SUCCESS;
}

void FillModifiedNames(const fw::CListCtrl& list, const PathList& newPaths) {
    const DirectList rows(list);
    const int rowCount = rows.RowCount();
    {
        BulkRowChange bulk(rows, list.m_hWnd);
        for (size_t i = 0; i < newPaths.Size() && i < static_cast<size_t>(rowCount); ++i)
            rows.SetCell(static_cast<int>(i), kModifiedNameColumn, newPaths.CStr(i));
    }
}

void ClearModifiedNames(const fw::CListCtrl& list) {
    const DirectList rows(list);
    const int rowCount = rows.RowCount();
    {
        BulkRowChange bulk(rows, list.m_hWnd);
        for (int row = 0; row < rowCount; ++row) rows.SetCell(row, kModifiedNameColumn, L"");
    }
}

void ApplyRenameOutcome(const fw::CListCtrl& list, const RenameJob& job) {
    const PathList& current = job.CurrentPaths();
    const PathList& renamed = job.NewPaths();
    std::unordered_map<std::wstring_view, const wchar_t*> newPathOf;
    newPathOf.reserve(job.AttemptedCount());
    for (size_t i = 0; i < job.AttemptedCount(); ++i) {
        if (job.Succeeded(i)) newPathOf.emplace(current[i], renamed.CStr(i));
    }

    const DirectList rows(list);
    const int rowCount = rows.RowCount();
    {
        BulkRowChange bulk(rows, list.m_hWnd);
        wchar_t buffer[kPathBufferUnits];
        for (int row = 0; row < rowCount; ++row) {
            const size_t length = rows.ReadCell(row, kCurrentNameColumn, buffer);
            const auto found = newPathOf.find(std::wstring_view(buffer, length));
            if (found != newPathOf.end()) {
                rows.SetCell(row, kCurrentNameColumn, found->second);
                // A file is renamed once; another row with the same text is not that file.
                newPathOf.erase(found);
            }
            rows.SetCell(row, kModifiedNameColumn, L"");
        }
    }
}

}  // namespace renamory
