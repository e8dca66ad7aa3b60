#pragma once
// Data offered to a drag-and-drop target: global memory blocks cached under clipboard
// formats, served through IDataObject, and the drag loop that offers them.
#include "framework/Handles.h"
#include "framework/OleDropTarget.h"
#include "framework/Win32.h"

#include <ole2.h>

#include <vector>

namespace fw {

class COleDataSource : private IDataObject {
public:
    COleDataSource() = default;
    // Frees every cached block.
    virtual ~COleDataSource();
    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers `block` under `format`; the source owns the block from now on. Without a
    // description the block is described as DVASPECT_CONTENT, lindex -1, TYMED_HGLOBAL.
    void CacheGlobalData(CLIPFORMAT format, HGLOBAL block, const FORMATETC* description = nullptr);

    // Runs the drag: waits until the mouse leaves `startRect` (screen coordinates; by default
    // the system's drag rectangle around the cursor) or the drag delay passes, then runs
    // OLE's drag loop. A button going up or down, or Escape, before that cancels. Returns
    // the effect the target reported, DROPEFFECT_NONE when cancelled.
    DropEffect DoDragDrop(DropEffect allowed, const RECT* startRect = nullptr,
                          IDropSource* source = nullptr);

    // The OLE interface of this source. The object is owned by its C++ owner; references
    // only keep the count, so it must outlive every user (OLE's drag loop releases its own
    // before DoDragDrop returns).
    IDataObject* GetInterface() { return this; }

private:
    struct Entry {
        FORMATETC format;
        GlobalHandle block;
    };
    const Entry* Find(const FORMATETC& wanted) const;

    // IUnknown and IDataObject.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override;

    std::vector<Entry> m_entries;
    LONG m_refs = 0;
};

}  // namespace fw
