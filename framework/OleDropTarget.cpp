#include "framework/OleDropTarget.h"

namespace fw {

COleDropTarget::~COleDropTarget() {
    Revoke();
    ForgetData();
}

BOOL COleDropTarget::Register(HWND wnd) {
    if (!wnd || m_hWnd) return FALSE;
    if (FAILED(::RegisterDragDrop(wnd, GetInterface()))) return FALSE;
    m_hWnd = wnd;
    return TRUE;
}

void COleDropTarget::Revoke() {
    if (!m_hWnd) return;
    // A window already destroyed has been revoked by OLE itself.
    if (::IsWindow(m_hWnd)) ::RevokeDragDrop(m_hWnd);
    m_hWnd = nullptr;
}

DropEffect COleDropTarget::OnDragEnter(HWND, IDataObject*, DWORD, POINT) { return DROPEFFECT_NONE; }
DropEffect COleDropTarget::OnDragOver(HWND, IDataObject*, DWORD, POINT) { return DROPEFFECT_NONE; }
BOOL COleDropTarget::OnDrop(HWND, IDataObject*, DropEffect, POINT) { return FALSE; }
DropEffect COleDropTarget::OnDropEx(HWND, IDataObject*, DropEffect, DropEffect, POINT) {
    return kDropNotHandled;
}
void COleDropTarget::OnDragLeave(HWND) {}

HRESULT COleDropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG COleDropTarget::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }
ULONG COleDropTarget::Release() { return static_cast<ULONG>(::InterlockedDecrement(&m_refs)); }

POINT COleDropTarget::ToClient(POINTL screen) const {
    POINT point{screen.x, screen.y};
    if (m_hWnd) ::ScreenToClient(m_hWnd, &point);
    return point;
}

void COleDropTarget::ForgetData() {
    if (m_pData) m_pData->Release();
    m_pData = nullptr;
}

HRESULT COleDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    ForgetData();
    m_pData = data;
    if (m_pData) m_pData->AddRef();
    *effect = OnDragEnter(m_hWnd, data, keyState, ToClient(point));
    return S_OK;
}

HRESULT COleDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    *effect = m_pData ? OnDragOver(m_hWnd, m_pData, keyState, ToClient(point)) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT COleDropTarget::DragLeave() {
    OnDragLeave(m_hWnd);
    ForgetData();
    return S_OK;
}

HRESULT COleDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    const POINT client = ToClient(point);
    const DropEffect allowed = *effect;
    // The effect of the last move decides, limited to what the source allows.
    DropEffect chosen = OnDragOver(m_hWnd, data, keyState, client) & allowed;
    DropEffect result = OnDropEx(m_hWnd, data, chosen, allowed, client);
    if (result == kDropNotHandled) {
        if (chosen != DROPEFFECT_NONE) {
            result = OnDrop(m_hWnd, data, chosen, client) ? chosen : DROPEFFECT_NONE;
        } else {
            OnDragLeave(m_hWnd);
            result = DROPEFFECT_NONE;
        }
    }
    *effect = result;
    ForgetData();
    return S_OK;
}

}  // namespace fw
