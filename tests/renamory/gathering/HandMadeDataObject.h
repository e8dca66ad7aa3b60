#pragma once
// A data object as another program's drag would offer it: a CF_HDROP block of wide paths and
// optionally other formats, written by hand rather than with the code under test.
#include "framework/Win32.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace gathering_test {

inline HGLOBAL MakeHdrop(const std::vector<std::wstring>& paths) {
    size_t chars = 1;
    for (const auto& p : paths) chars += p.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const auto& p : paths) {
        std::memcpy(text, p.c_str(), p.size() * sizeof(wchar_t));
        text += p.size() + 1;
    }
    ::GlobalUnlock(block);
    return block;
}

class HandMadeDataObject final : public IDataObject {
public:
    ~HandMadeDataObject() {
        for (auto& [format, block] : m_blocks) ::GlobalFree(block);
    }
    // Takes the block.
    void Offer(CLIPFORMAT format, HGLOBAL block) { m_blocks[format] = block; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDataObject) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++m_refs); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--m_refs); }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        auto found = m_blocks.find(format->cfFormat);
        if (found == m_blocks.end() || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
        const SIZE_T size = ::GlobalSize(found->second);
        HGLOBAL copy = ::GlobalAlloc(GHND, size);
        std::memcpy(::GlobalLock(copy), ::GlobalLock(found->second), size);
        ::GlobalUnlock(copy);
        ::GlobalUnlock(found->second);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return m_blocks.count(format->cfFormat) && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::map<CLIPFORMAT, HGLOBAL> m_blocks;
    long m_refs = 1;
};

}  // namespace gathering_test
