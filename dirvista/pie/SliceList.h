#pragma once
// The model behind the pie chart: one slice per measured subfolder, newest first.
#include "framework/Win32.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace dirvista {

// One slice: what the scan worker measured (size, colour, label) and where the pie's
// layout put it (end angle and end point). Drawing tools are not kept per slice: a pie of
// thousands of slices would otherwise hold thousands of brushes and pens and run into the
// per-process GDI object quota.
class SliceNode {
public:
    SliceNode() = default;
    virtual ~SliceNode() = default;
    SliceNode(const SliceNode&) = delete;
    SliceNode& operator=(const SliceNode&) = delete;

    std::uint64_t m_size = 0;  // bytes; the layout stores 1 in place of 0
    double m_endAngle = 0.0;   // radians, counterclockwise from 3 o'clock, cumulative
    std::unique_ptr<std::wstring> m_pLabel;  // null when the copy could not be allocated
    POINT m_ptEnd{};           // client pixel on the circle where the slice ends
    SliceNode* m_pNext = nullptr;
    COLORREF m_colour = 0;
};

// The slices of the pie. Add and Clear run on the scan worker's thread while the pie lays
// out and paints the slices on the GUI thread, so every access goes through one lock: the
// pie holds it (Lock) for the whole layout and paint, and Add and Clear wait for it.
class SliceList {
public:
    // The pie's access to the nodes. Holds the list's lock for as long as it lives, so the
    // nodes reachable from Head() neither change nor go away meanwhile. Keep it short and
    // send no window messages while holding it: the scan worker repaints the pie
    // synchronously, and a paint takes the same lock.
    class Traversal {
    public:
        SliceNode* Head() const { return m_pHead; }
        int Count() const { return m_nCount; }

    private:
        friend class SliceList;
        explicit Traversal(SliceList& list)
            : m_lock(list.m_mutex), m_pHead(list.m_pHead), m_nCount(list.m_nCount) {}

        std::unique_lock<std::mutex> m_lock;
        SliceNode* m_pHead;
        int m_nCount;
    };

    SliceList() = default;
    virtual ~SliceList();
    SliceList(const SliceList&) = delete;
    SliceList& operator=(const SliceList&) = delete;

    // Puts a new slice in front of the others. The label is copied; the caller keeps its
    // string. FALSE (and the list unchanged) only when the node cannot be allocated.
    BOOL Add(COLORREF colour, std::uint64_t size, const std::wstring& label);
    // Frees every slice and its label. Always TRUE.
    BOOL Clear();
    int GetCount() const;

    Traversal Lock() { return Traversal(*this); }

private:
    mutable std::mutex m_mutex;
    SliceNode* m_pHead = nullptr;
    int m_nCount = 0;
};

}  // namespace dirvista
