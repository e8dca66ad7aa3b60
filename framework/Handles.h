#pragma once
// Move-only owners of kernel and user handles.
#include "framework/Win32.h"

#include <utility>

namespace fw {

// Owns a handle and closes it when it goes. Traits gives the handle type, the value that
// means "none" (Invalid) and how to close it (Close).
template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : m_h(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::Invalid(); }
    Handle Release() { return std::exchange(m_h, Traits::Invalid()); }
    void Reset(Handle h = Traits::Invalid()) {
        Handle old = std::exchange(m_h, h);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Handle m_h = Traits::Invalid();
};

namespace detail {
struct KernelTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FileTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FindTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
struct IconTraits {
    using Handle = HICON;
    static HICON Invalid() { return nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { ::FreeLibrary(h); }
};
struct GlobalTraits {
    using Handle = HGLOBAL;
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { ::GlobalFree(h); }
};
}  // namespace detail

// Threads, events, mutexes: null means none.
using KernelHandle = UniqueHandle<detail::KernelTraits>;
// CreateFileW and FindFirstFileW: INVALID_HANDLE_VALUE means none.
using FileHandle = UniqueHandle<detail::FileTraits>;
using FindHandle = UniqueHandle<detail::FindTraits>;
using IconHandle = UniqueHandle<detail::IconTraits>;
using ModuleHandle = UniqueHandle<detail::ModuleTraits>;
// GlobalAlloc blocks (clipboard and drag-and-drop data).
using GlobalHandle = UniqueHandle<detail::GlobalTraits>;

// Keeps a global memory block locked while it lives. Get() is null when the lock failed.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) : m_block(block), m_p(block ? ::GlobalLock(block) : nullptr) {}
    ~GlobalLockGuard() {
        if (m_p) ::GlobalUnlock(m_block);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* Get() const { return m_p; }

private:
    HGLOBAL m_block;
    void* m_p;
};

}  // namespace fw
