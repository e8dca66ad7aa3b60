#pragma once
// Thin wrappers of the common and standard controls: the calls the programs make, typed.
#include "framework/Window.h"

#include <string>

namespace fw {

class CButton : public CWnd {
public:
    void SetCheck(int state) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, start, end); }
    void LimitText(int chars) const { SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(chars)); }
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(int low, int high) const { SendMessage(PBM_SETRANGE32, low, high); }
    int SetPos(int pos) const { return static_cast<int>(SendMessage(PBM_SETPOS, pos)); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int SetStep(int step) const { return static_cast<int>(SendMessage(PBM_SETSTEP, step)); }
    int StepIt() const { return static_cast<int>(SendMessage(PBM_STEPIT)); }
    // Leaves the bar where `steps` PBM_STEPIT messages would, with one move and one redraw
    // instead of one per step; returns the position before.
    int StepIt(size_t steps) const;
};

// Where `steps` steps of `step` take a bar at `pos` in the range [low, high]: a step past
// either end of the range starts again from the other end, carrying what went past.
int SteppedProgressPosition(int pos, int low, int high, int step, size_t steps);

class CComboBox : public CWnd {
public:
    int AddString(const std::wstring& text) const {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    std::wstring GetLBText(int index) const;
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
};

// An image list, owned (destroyed with the object) unless attached as borrowed.
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    // Takes a list this object does not own (the system image list).
    void Attach(HIMAGELIST list, bool owned = false);
    HIMAGELIST Detach();
    void DeleteImageList();

    HIMAGELIST GetSafeHandle() const { return m_list; }
    operator HIMAGELIST() const { return m_list; }
    int Add(HICON icon) const { return ImageList_AddIcon(m_list, icon); }
    int GetImageCount() const { return m_list ? ImageList_GetImageCount(m_list) : 0; }
    bool RemoveAll() const { return m_list && ImageList_Remove(m_list, -1); }

private:
    HIMAGELIST m_list = nullptr;
    bool m_bOwned = false;
};

class CTreeCtrl : public CWnd {
public:
    HTREEITEM InsertItem(const std::wstring& text, int image, int selectedImage,
                         HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST) const;
    HTREEITEM InsertItem(const TVINSERTSTRUCTW& insert) const;
    BOOL DeleteItem(HTREEITEM item) const {
        return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL DeleteAllItems() const { return DeleteItem(TVI_ROOT); }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL ItemHasChildren(HTREEITEM item) const;
    std::wstring GetItemText(HTREEITEM item) const;
    UINT GetItemState(HTREEITEM item, UINT mask) const {
        return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask));
    }
    BOOL Expand(HTREEITEM item, UINT code) const {
        return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SelectItem(HTREEITEM item) const {
        return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
    }
    HIMAGELIST SetImageList(HIMAGELIST list, int kind = TVSIL_NORMAL) const {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list)));
    }
    UINT GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int index, const std::wstring& heading, int format, int width) const;
    int InsertItem(int index, const std::wstring& text, int image = -1) const;
    int InsertItem(const LVITEMW& item) const {
        return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    BOOL SetItemText(int index, int subItem, const std::wstring& text) const;
    std::wstring GetItemText(int index, int subItem) const;
    BOOL SetItemData(int index, LPARAM data) const;
    LPARAM GetItemData(int index) const;
    BOOL SetItemState(int index, UINT state, UINT mask) const;
    UINT GetItemState(int index, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(index), mask));
    }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    BOOL DeleteItem(int index) const { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index))); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    HIMAGELIST SetImageList(HIMAGELIST list, int kind) const {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list)));
    }
    BOOL SortItems(PFNLVCOMPARE compare, LPARAM param) const {
        return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(param), reinterpret_cast<LPARAM>(compare)));
    }
    BOOL SetColumnWidth(int column, int width) const {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width));
    }
    BOOL EnsureVisible(int index, BOOL partialOk) const {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), partialOk));
    }
    DWORD SetExtendedStyle(DWORD style) const {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
    }
    HWND GetHeaderCtrl() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
};

}  // namespace fw
