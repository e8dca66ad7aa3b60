#include <gtest/gtest.h>

#include "dirvista/pie/SliceList.h"
#include "framework/Handles.h"

#include <functional>
#include <memory>
#include <thread>
#include <string>
#include <vector>

namespace {

using dirvista::SliceList;
using dirvista::SliceNode;

struct SliceRecord {
    COLORREF colour;
    std::uint64_t size;
    std::wstring label;
    bool operator==(const SliceRecord&) const = default;
};

std::vector<SliceRecord> Slices(SliceList& list) {
    std::vector<SliceRecord> records;
    SliceList::Traversal slices = list.Lock();
    for (const SliceNode* node = slices.Head(); node; node = node->m_pNext)
        records.push_back({node->m_colour, node->m_size, node->m_pLabel ? *node->m_pLabel : L"?"});
    return records;
}

TEST(SliceList, TraversalGivesTheNewestSliceFirst) {
    SliceList list;
    EXPECT_TRUE(list.Add(RGB(1, 0, 0), 100, L"C:\\one"));
    EXPECT_TRUE(list.Add(RGB(2, 0, 0), 0, L"C:\\two"));
    EXPECT_TRUE(list.Add(RGB(3, 0, 0), ~0ull, L"C:\\three"));

    const std::vector<SliceRecord> expected = {
        {RGB(3, 0, 0), ~0ull, L"C:\\three"},
        {RGB(2, 0, 0), 0, L"C:\\two"},  // a zero size stays zero until the pie lays it out
        {RGB(1, 0, 0), 100, L"C:\\one"},
    };
    EXPECT_EQ(expected, Slices(list));
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(3, list.Lock().Count());
}

TEST(SliceList, ClearEmptiesTheListAndIsHarmlessWhenRepeated) {
    SliceList list;
    EXPECT_TRUE(list.Clear());  // already empty
    list.Add(RGB(1, 2, 3), 10, L"a");
    list.Add(RGB(4, 5, 6), 20, L"b");
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_TRUE(list.Clear());
        SliceList::Traversal slices = list.Lock();
        EXPECT_EQ(nullptr, slices.Head());
        EXPECT_EQ(0, slices.Count());
    }
    // Usable again after clearing.
    list.Add(RGB(7, 8, 9), 30, L"c");
    EXPECT_EQ((std::vector<SliceRecord>{{RGB(7, 8, 9), 30, L"c"}}), Slices(list));
}

TEST(SliceList, KeepsItsOwnCopyOfTheLabel) {
    SliceList list;
    auto label = std::make_unique<std::wstring>(L"C:\\Users\\fixture\\folder");
    list.Add(RGB(0, 64, 128), 1, *label);
    (*label)[0] = L'X';
    label->append(L"\\more");
    label.reset();  // the caller frees its string
    ASSERT_EQ(1u, Slices(list).size());
    EXPECT_EQ(L"C:\\Users\\fixture\\folder", Slices(list)[0].label);
}

// The scan worker changes the list while the pie reads it on the GUI thread: a change
// must wait until the reader lets go of the list.
TEST(SliceList, AddAndClearWaitWhileTheListIsBeingRead) {
    const std::function<void(SliceList&)> changes[] = {
        [](SliceList& list) { list.Add(RGB(9, 9, 9), 9, L"new"); },
        [](SliceList& list) { list.Clear(); },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(i);
        SliceList list;
        list.Add(RGB(1, 1, 1), 1, L"old");
        fw::KernelHandle started(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        fw::KernelHandle finished(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        std::thread worker;
        {
            SliceList::Traversal reading = list.Lock();
            worker = std::thread([&] {
                ::SetEvent(started.Get());
                changes[i](list);
                ::SetEvent(finished.Get());
            });
            EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(started.Get(), 10000));
            // Not done while the list is read, however long the reader takes.
            EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), ::WaitForSingleObject(finished.Get(), 300));
            EXPECT_EQ(1, reading.Count());
            EXPECT_TRUE(reading.Head() && reading.Head()->m_pLabel &&
                        *reading.Head()->m_pLabel == L"old");
        }
        EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(finished.Get(), 10000));
        worker.join();
        EXPECT_NE(1, list.GetCount());
    }
}

}  // namespace
