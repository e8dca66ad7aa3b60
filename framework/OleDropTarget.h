#pragma once
// A window's drop target: registers itself with OLE for one window and turns the
// IDropTarget calls into overridable handlers with client-area points.
#include "framework/Win32.h"

#include <ole2.h>

namespace fw {

// A set of DROPEFFECT_ flags.
using DropEffect = DWORD;

class COleDropTarget : private IDropTarget {
public:
    COleDropTarget() = default;
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // Accepts drops on `wnd` (RegisterDragDrop; OLE must be initialised on this thread).
    BOOL Register(HWND wnd);
    // Stops accepting drops; also done by the destructor.
    virtual void Revoke();
    HWND GetRegisteredWindow() const { return m_hWnd; }

    // The OLE interface of this target, as RegisterDragDrop sees it (tests call it directly).
    // The object is owned by its C++ owner: references only keep the count.
    IDropTarget* GetInterface() { return this; }

    // Handlers. Points are in client coordinates of the registered window; `data` is the
    // dragged data object, without an extra reference.
    virtual DropEffect OnDragEnter(HWND wnd, IDataObject* data, DWORD keyState, POINT point);
    virtual DropEffect OnDragOver(HWND wnd, IDataObject* data, DWORD keyState, POINT point);
    // Called for a drop whose effect is not DROPEFFECT_NONE, when OnDropEx declined it.
    // FALSE tells the source that nothing was dropped.
    virtual BOOL OnDrop(HWND wnd, IDataObject* data, DropEffect effect, POINT point);
    // A drop handler that sees the allowed effects too; returning kDropNotHandled leaves the
    // drop to OnDrop or OnDragLeave.
    virtual DropEffect OnDropEx(HWND wnd, IDataObject* data, DropEffect effect,
                                DropEffect allowed, POINT point);
    virtual void OnDragLeave(HWND wnd);

    static constexpr DropEffect kDropNotHandled = static_cast<DropEffect>(-1);

private:
    // IUnknown and IDropTarget.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point,
                                   DWORD* effect) override;

    POINT ToClient(POINTL screen) const;
    void ForgetData();

    HWND m_hWnd = nullptr;
    // The data object of the drag in progress: DragOver does not pass it again.
    IDataObject* m_pData = nullptr;
    LONG m_refs = 0;
};

}  // namespace fw
