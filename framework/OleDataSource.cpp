#include "framework/OleDataSource.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace fw {

namespace {

// The drop source OLE's drag loop asks while the mouse moves: drop on release of the
// button that started the drag, cancel on Escape or when the other button joins in.
class DefaultDropSource final : public IDropSource {
public:
    explicit DefaultDropSource(DWORD buttons) : m_buttons(buttons) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack of DoDragDrop, which outlasts OLE's use of it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keyState) override {
        const DWORD down = keyState & (MK_LBUTTON | MK_RBUTTON);
        if (escape || (down & ~m_buttons)) return DRAGDROP_S_CANCEL;
        if (!(down & m_buttons)) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    DWORD m_buttons;
};

DWORD ButtonsDown() {
    DWORD buttons = 0;
    // The logical buttons: GetAsyncKeyState reports physical ones, swapped for left-handers.
    const bool swapped = ::GetSystemMetrics(SM_SWAPBUTTON) != 0;
    if (::GetAsyncKeyState(swapped ? VK_RBUTTON : VK_LBUTTON) < 0) buttons |= MK_LBUTTON;
    if (::GetAsyncKeyState(swapped ? VK_LBUTTON : VK_RBUTTON) < 0) buttons |= MK_RBUTTON;
    return buttons;
}

// Waits for the drag to begin in earnest. True: start it; false: the user let go, pressed
// another button or Escape first.
bool WaitForDragStart(const RECT* startRect) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    RECT area{};
    if (startRect) {
        area = *startRect;
    } else {
        const int cx = ::GetSystemMetrics(SM_CXDRAG), cy = ::GetSystemMetrics(SM_CYDRAG);
        area = {cursor.x - cx, cursor.y - cy, cursor.x + cx + 1, cursor.y + cy + 1};
    }
    constexpr DWORD kDragDelayMs = 200;
    const ULONGLONG deadline = ::GetTickCount64() + kDragDelayMs;
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) ||
               ::PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
            switch (msg.message) {
            case WM_KEYDOWN:
                if (msg.wParam == VK_ESCAPE) return false;
                break;
            case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
                return false;
            case WM_MOUSEMOVE: {
                POINT at{};
                ::GetCursorPos(&at);
                if (!::PtInRect(&area, at)) return true;
                break;
            }
            default:
                break;
            }
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline) return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                    QS_KEY | QS_MOUSE);
    }
}

// The list of offered formats handed to a caller of EnumFormatEtc, which owns it: a heap
// object freed by its last Release. (The shell's SHCreateStdEnumFmtEtc would do, but its
// header does not compile with an MSVC-mode compiler over mingw-w64's headers.)
class FormatEnumerator final : public IEnumFORMATETC {
public:
    FormatEnumerator(std::vector<FORMATETC> formats, size_t next) : m_formats(std::move(formats)), m_next(next) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IEnumFORMATETC) {
            *object = static_cast<IEnumFORMATETC*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG refs = ::InterlockedDecrement(&m_refs);
        if (refs == 0) delete this;
        return static_cast<ULONG>(refs);
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* out, ULONG* fetched) override {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG given = 0;
        while (given < count && m_next < m_formats.size()) out[given++] = m_formats[m_next++];
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const size_t left = m_formats.size() - m_next;
        m_next += std::min<size_t>(count, left);
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        m_next = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** copy) override {
        if (!copy) return E_POINTER;
        *copy = new (std::nothrow) FormatEnumerator(m_formats, m_next);
        return *copy ? S_OK : E_OUTOFMEMORY;
    }

private:
    std::vector<FORMATETC> m_formats;
    size_t m_next;
    LONG m_refs = 1;
};

FORMATETC DefaultDescription(CLIPFORMAT format) {
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

}  // namespace

COleDataSource::~COleDataSource() = default;

void COleDataSource::CacheGlobalData(CLIPFORMAT format, HGLOBAL block, const FORMATETC* description) {
    Entry entry{description ? *description : DefaultDescription(format), GlobalHandle(block)};
    entry.format.cfFormat = format;
    entry.format.tymed = TYMED_HGLOBAL;
    // A second offer of the same format replaces the first.
    for (Entry& existing : m_entries) {
        if (existing.format.cfFormat == format && existing.format.dwAspect == entry.format.dwAspect) {
            existing = std::move(entry);
            return;
        }
    }
    m_entries.push_back(std::move(entry));
}

DropEffect COleDataSource::DoDragDrop(DropEffect allowed, const RECT* startRect, IDropSource* source) {
    DWORD buttons = ButtonsDown();
    if (!buttons) buttons = MK_LBUTTON;
    if (!WaitForDragStart(startRect)) return DROPEFFECT_NONE;
    DefaultDropSource defaultSource(buttons);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT hr = ::DoDragDrop(GetInterface(), source ? source : &defaultSource, allowed, &effect);
    return hr == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

const COleDataSource::Entry* COleDataSource::Find(const FORMATETC& wanted) const {
    for (const Entry& entry : m_entries) {
        if (entry.format.cfFormat == wanted.cfFormat && (wanted.tymed & TYMED_HGLOBAL) &&
            entry.format.dwAspect == wanted.dwAspect &&
            (wanted.lindex == -1 || wanted.lindex == entry.format.lindex))
            return &entry;
    }
    return nullptr;
}

HRESULT COleDataSource::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDataObject) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG COleDataSource::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }
ULONG COleDataSource::Release() { return static_cast<ULONG>(::InterlockedDecrement(&m_refs)); }

HRESULT COleDataSource::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium) return E_INVALIDARG;
    const Entry* entry = Find(*format);
    if (!entry) return DV_E_FORMATETC;
    // The receiver owns what GetData returns, so it gets a copy; the cached block stays ours.
    const SIZE_T size = ::GlobalSize(entry->block.Get());
    GlobalHandle copy(::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size));
    if (!copy) return E_OUTOFMEMORY;
    {
        GlobalLockGuard from(entry->block.Get());
        GlobalLockGuard to(copy.Get());
        if (!from.Get() || !to.Get()) return E_OUTOFMEMORY;
        std::memcpy(to.Get(), from.Get(), size);
    }
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy.Release();
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT COleDataSource::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT COleDataSource::QueryGetData(FORMATETC* format) {
    if (!format) return E_INVALIDARG;
    return Find(*format) ? S_OK : DV_E_FORMATETC;
}

HRESULT COleDataSource::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (out) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT COleDataSource::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT COleDataSource::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    if (!formats) return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<FORMATETC> list;
    for (const Entry& entry : m_entries) list.push_back(entry.format);
    *formats = new (std::nothrow) FormatEnumerator(std::move(list), 0);
    return *formats ? S_OK : E_OUTOFMEMORY;
}

HRESULT COleDataSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT COleDataSource::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT COleDataSource::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

}  // namespace fw
