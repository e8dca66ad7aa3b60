#include "dirvista/pie/SliceList.h"

#include <new>

namespace dirvista {

SliceList::~SliceList() { Clear(); }

BOOL SliceList::Add(COLORREF colour, std::uint64_t size, const std::wstring& label) {
    auto* node = new (std::nothrow) SliceNode;
    if (!node) return FALSE;
    node->m_size = size;
    node->m_colour = colour;
    try {
        node->m_pLabel = std::make_unique<std::wstring>(label);
    } catch (const std::bad_alloc&) {
        // A slice without a label still counts for the pie.
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    node->m_pNext = m_pHead;
    m_pHead = node;
    ++m_nCount;
    return TRUE;
}

BOOL SliceList::Clear() {
    SliceNode* head = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        head = m_pHead;
        m_pHead = nullptr;
        m_nCount = 0;
    }
    // The detached chain is no longer reachable from the list: free it without holding up
    // a paint.
    while (head) {
        SliceNode* next = head->m_pNext;
        delete head;
        head = next;
    }
    return TRUE;
}

int SliceList::GetCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nCount;
}

}  // namespace dirvista
