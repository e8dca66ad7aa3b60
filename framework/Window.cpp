#include "framework/Window.h"

#include <mutex>
#include <unordered_map>
#include <vector>

namespace fw {

namespace {
// The object of each window, kept in the process rather than in a window property: it
// works alike for dialogs and subclassed controls, leaves GWLP_USERDATA free, and a lookup
// costs no trip to the window server (under Wine every property read is one), which matters
// because every dialog message and every reflected notification looks its object up.
//
// For a subclassed control the entry also holds the window procedure it had before. The
// controls are subclassed by replacing their window procedure rather than through
// SetWindowSubclass, whose chain Wine keeps in a window property read on every message:
// for a list taking thousands of rows, or a progress bar stepped thousands of times, those
// reads cost more than the work itself.
class WindowObjects {
public:
    struct Entry {
        CWnd* object = nullptr;
        WNDPROC previous = nullptr;  // set while our procedure is installed on the window
    };

    void Set(HWND wnd, CWnd* object) {
        std::lock_guard lock(m_mutex);
        m_entries[wnd].object = object;
    }
    void Remove(HWND wnd, const CWnd* object) {
        std::lock_guard lock(m_mutex);
        auto it = m_entries.find(wnd);
        if (it == m_entries.end() || it->second.object != object) return;
        it->second.object = nullptr;
        if (!it->second.previous) m_entries.erase(it);
    }
    CWnd* Find(HWND wnd) {
        std::lock_guard lock(m_mutex);
        auto it = m_entries.find(wnd);
        return it == m_entries.end() ? nullptr : it->second.object;
    }
    Entry FindEntry(HWND wnd) {
        std::lock_guard lock(m_mutex);
        auto it = m_entries.find(wnd);
        return it == m_entries.end() ? Entry{} : it->second;
    }
    void SetPrevious(HWND wnd, WNDPROC previous) {
        std::lock_guard lock(m_mutex);
        m_entries[wnd].previous = previous;
    }
    // Forgets the procedure once it is no longer installed.
    void ForgetPrevious(HWND wnd) {
        std::lock_guard lock(m_mutex);
        auto it = m_entries.find(wnd);
        if (it == m_entries.end()) return;
        it->second.previous = nullptr;
        if (!it->second.object) m_entries.erase(it);
    }

private:
    std::mutex m_mutex;
    std::unordered_map<HWND, Entry> m_entries;
};

WindowObjects& Objects() {
    static WindowObjects objects;
    return objects;
}

WNDPROC CurrentProcedure(HWND wnd) {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(wnd, GWLP_WNDPROC));
}
}  // namespace

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        if (m_bSubclassed) UnsubclassWindow();
        else DetachObject();
    }
}

CWnd* CWnd::FromHandle(HWND wnd) {
    if (!wnd) return nullptr;
    return Objects().Find(wnd);
}

void CWnd::AttachObject(HWND wnd) {
    m_hWnd = wnd;
    Objects().Set(wnd, this);
}

void CWnd::DetachObject() {
    if (m_hWnd) Objects().Remove(m_hWnd, this);
    m_hWnd = nullptr;
}

bool CWnd::SubclassWindow(HWND wnd) {
    if (!wnd || m_hWnd || FromHandle(wnd)) return false;
    const WNDPROC own = &CWnd::SubclassProc;
    const WNDPROC previous = CurrentProcedure(wnd);
    if (!previous || previous == own) return false;
    // Known before the procedure changes: the first message may arrive at once.
    Objects().SetPrevious(wnd, previous);
    AttachObject(wnd);
    ::SetLastError(0);
    if (!::SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own)) &&
        ::GetLastError() != 0) {
        DetachObject();
        Objects().ForgetPrevious(wnd);
        return false;
    }
    m_bSubclassed = true;
    PreSubclassWindow();
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, HWND parent) {
    return SubclassWindow(::GetDlgItem(parent, static_cast<int>(id)));
}

void CWnd::UnsubclassWindow() {
    if (!m_hWnd || !m_bSubclassed) return;
    const HWND wnd = m_hWnd;
    m_bSubclassed = false;
    DetachObject();
    // When someone else has subclassed the window since, our procedure stays in their chain
    // and passes every message on to the one it replaced.
    if (CurrentProcedure(wnd) == &CWnd::SubclassProc) {
        ::SetWindowLongPtrW(wnd, GWLP_WNDPROC,
                            reinterpret_cast<LONG_PTR>(Objects().FindEntry(wnd).previous));
        Objects().ForgetPrevious(wnd);
    }
}

LRESULT CALLBACK CWnd::SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    const WindowObjects::Entry entry = Objects().FindEntry(wnd);
    if (!entry.previous) return ::DefWindowProcW(wnd, msg, wp, lp);
    CWnd* self = entry.object;
    if (msg == WM_NCDESTROY) {
        const LRESULT r = ::CallWindowProcW(entry.previous, wnd, msg, wp, lp);
        if (CurrentProcedure(wnd) == &CWnd::SubclassProc)
            ::SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry.previous));
        Objects().ForgetPrevious(wnd);
        if (self && self->m_bSubclassed) {
            self->m_bSubclassed = false;
            self->DetachObject();
            self->PostNcDestroy();
        }
        return r;
    }
    LRESULT result = 0;
    if (self && self->m_bSubclassed && self->HandleMessage(msg, wp, lp, result)) return result;
    return ::CallWindowProcW(entry.previous, wnd, msg, wp, lp);
}

bool CWnd::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    const CurrentMessage saved = m_current;
    m_current = {msg, wp, lp};
    bool handled = ReflectToChild(msg, wp, lp, result) || OnWndMsg(msg, wp, lp, result);
    m_current = saved;
    return handled;
}

// Notifications and commands go to the sending control's own object first, and only to
// direct children: a grandchild's notification forwarded by some intermediate window must
// not be mistaken for one of ours. When the child handles it, the parent does not see it.
bool CWnd::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND from = nullptr;
    UINT reflected = 0;
    if (msg == WM_NOTIFY && lp) {
        from = reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
        reflected = WM_REFLECT_NOTIFY;
    } else if (msg == WM_COMMAND && lp) {
        from = reinterpret_cast<HWND>(lp);
        reflected = WM_REFLECT_COMMAND;
    } else {
        return false;
    }
    if (!from || from == m_hWnd || ::GetParent(from) != m_hWnd) return false;
    CWnd* child = FromHandle(from);
    if (!child) return false;
    return child->HandleMessage(reflected, wp, lp, result);
}

bool CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CWnd::Default() {
    if (m_bSubclassed) {
        if (const WNDPROC previous = Objects().FindEntry(m_hWnd).previous)
            return ::CallWindowProcW(previous, m_hWnd, m_current.msg, m_current.wp, m_current.lp);
    }
    return ::DefWindowProcW(m_hWnd, m_current.msg, m_current.wp, m_current.lp);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

std::wstring CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void CWnd::SetWindowText(const std::wstring& text) const { ::SetWindowTextW(m_hWnd, text.c_str()); }

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }

RECT CWnd::GetClientRect() const {
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    return r;
}

RECT CWnd::GetWindowRect() const {
    RECT r{};
    ::GetWindowRect(m_hWnd, &r);
    return r;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) const {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

bool PreTranslate(MSG& msg) {
    // Collect the chain first: a PreTranslateMessage may destroy windows.
    std::vector<HWND> chain;
    for (HWND wnd = msg.hwnd; wnd; wnd = ::GetParent(wnd)) {
        chain.push_back(wnd);
        if (!(::GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD)) break;
    }
    for (HWND wnd : chain) {
        if (!::IsWindow(wnd)) continue;
        if (CWnd* object = CWnd::FromHandle(wnd); object && object->PreTranslateMessage(&msg))
            return true;
    }
    return false;
}

bool PumpWaitingMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (!PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

}  // namespace fw
