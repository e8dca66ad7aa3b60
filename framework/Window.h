#pragma once
// The window base: one object per window, found from its HWND.
#include "framework/MessageMap.h"
#include "framework/Win32.h"

#include <string>

namespace fw {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object attached to a window by this layer, or null (a foreign window, or a
    // message that arrives before the object is attached).
    static CWnd* FromHandle(HWND wnd);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Attaches this object to an existing window (a dialog item or control) by replacing
    // its window procedure; undone automatically on WM_NCDESTROY.
    bool SubclassWindow(HWND wnd);
    bool SubclassDlgItem(UINT id, HWND parent);
    void UnsubclassWindow();

    // Runs a message through this object's routes (reflection first, then OnWndMsg).
    // True when handled; `result` then holds the answer.
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    // Called for each queued message before it is dispatched (see PreTranslate).
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Convenience wrappers over the window's own functions.
    std::wstring GetWindowText() const;
    void SetWindowText(const std::wstring& text) const;
    int GetWindowTextLength() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return ::SendMessageW(m_hWnd, msg, wp, lp);
    }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
        return ::PostMessageW(m_hWnd, msg, wp, lp);
    }
    BOOL Invalidate(BOOL erase = TRUE) const { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    BOOL UpdateWindow() const { return ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(UINT flags, const RECT* rect = nullptr, HRGN rgn = nullptr) const {
        return ::RedrawWindow(m_hWnd, rect, rgn, flags);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0) const;
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetFont(HFONT font, BOOL redraw = TRUE) const {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    BOOL MoveWindow(const RECT& rect, BOOL repaint = TRUE) const {
        return ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top, repaint);
    }

    HWND m_hWnd = nullptr;

protected:
    // This class's message map: dispatch through its routes, then the base class's.
    virtual bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Called right after a window was subclassed by SubclassWindow.
    virtual void PreSubclassWindow() {}
    // Called once the window is gone (after WM_NCDESTROY).
    virtual void PostNcDestroy() {}
    // The default processing of the message being handled (the replaced window procedure
    // for a subclassed control, DefWindowProc otherwise).
    LRESULT Default();

    void AttachObject(HWND wnd);
    void DetachObject();

    struct CurrentMessage {
        UINT msg = 0;
        WPARAM wp = 0;
        LPARAM lp = 0;
    };
    CurrentMessage m_current;
    bool m_bSubclassed = false;

private:
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
};

// Gives a queued message to the PreTranslateMessage of the window it is for and of its
// ancestors, innermost first. True when one of them took it (do not dispatch it then).
bool PreTranslate(MSG& msg);

// Pumps the messages waiting in this thread's queue through PreTranslate and
// DispatchMessage; returns false when WM_QUIT was seen (it is posted again).
bool PumpWaitingMessages();

}  // namespace fw
