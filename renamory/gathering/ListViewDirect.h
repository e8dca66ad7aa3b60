#pragma once
// Row reads and insertions sent straight to a list view's own window procedure, past the
// subclasses on it.
//
// Every message to the list passes its subclasses first, and Wine keeps a SetWindowSubclass
// chain in a window property, read on every message (a wineserver round trip); for the tens
// of thousands of row reads and insertions of a large drop, passing through the subclasses
// can outweigh the work itself. Only used for messages that
// no subclass of the file list handles (reading item texts, inserting rows, counting).
#include "framework/Win32.h"

#include <string>

class CListViewDirect {
public:
    explicit CListViewDirect(HWND list);

    LRESULT Send(UINT msg, WPARAM wp, LPARAM lp) const;
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0)); }
    // Column 0 text of a row.
    std::wstring GetItemText(int row) const;
    int InsertItem(const LVITEMW& item) const {
        return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }

private:
    HWND m_hWnd;
    WNDPROC m_proc;
};
