#include <gtest/gtest.h>

#include "dirvista/folders/FolderTreeView.h"
#include "dirvista/folders/Wow64RedirectionGuard.h"
#include "support/Fixture.h"

#include <thread>
#include <vector>

namespace {

using dirvista::Wow64RedirectionGuard;

// Stands in for the system functions: records each call and its thread.
struct RedirectionCall {
    bool disable;
    DWORD thread;
    PVOID value;
};
std::vector<RedirectionCall> g_calls;
int g_disabledDepth = 0;

BOOL WINAPI FakeDisable(PVOID* oldValue) {
    *oldValue = reinterpret_cast<PVOID>(static_cast<INT_PTR>(0x100 + g_disabledDepth));
    ++g_disabledDepth;
    g_calls.push_back({true, ::GetCurrentThreadId(), *oldValue});
    return TRUE;
}

BOOL WINAPI FakeRevert(PVOID oldValue) {
    --g_disabledDepth;
    g_calls.push_back({false, ::GetCurrentThreadId(), oldValue});
    return TRUE;
}

class RedirectionWatch : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_disabledDepth = 0;
        m_previous = Wow64RedirectionGuard::ReplaceApi({&FakeDisable, &FakeRevert});
    }
    void TearDown() override { Wow64RedirectionGuard::ReplaceApi(m_previous); }

    // Every disable is matched by a revert with its value, on the same thread, and
    // redirection is back on at the end.
    static void ExpectBalanced() {
        ASSERT_FALSE(g_calls.empty());
        ASSERT_EQ(0u, g_calls.size() % 2);
        for (size_t i = 0; i < g_calls.size(); i += 2) {
            EXPECT_TRUE(g_calls[i].disable);
            EXPECT_FALSE(g_calls[i + 1].disable);
            EXPECT_EQ(g_calls[i].value, g_calls[i + 1].value);
            EXPECT_EQ(g_calls[i].thread, g_calls[i + 1].thread);
        }
        EXPECT_EQ(0, g_disabledDepth);
    }

private:
    Wow64RedirectionGuard::Api m_previous{};
};

TEST_F(RedirectionWatch, SizeWalkTurnsRedirectionOffOnItsThreadAndBackOn) {
    testing_support::FixtureTree fixture;
    fixture.File(L"sub\\f", 2);
    DWORD walkThread = 0;
    std::thread walker([&] {
        walkThread = ::GetCurrentThreadId();
        EXPECT_EQ(2u, dirvista::CFolderTreeView::GetFolderSize(fixture.Root().c_str(), nullptr));
    });
    walker.join();
    ExpectBalanced();
    EXPECT_EQ(walkThread, g_calls.front().thread);
}

TEST_F(RedirectionWatch, TreeListingTurnsRedirectionOffAndBackOn) {
    testing_support::FixtureTree fixture;
    fixture.Folder(L"sub");
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    dirvista::CFolderTreeView tree;
    ASSERT_TRUE(tree.SubclassWindow(::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_POPUP, 0, 0, 100, 100,
                                                      nullptr, nullptr, nullptr, nullptr)));
    EXPECT_TRUE(tree.InsertChildFolders(TVI_ROOT, fixture.Root().c_str()));
    EXPECT_EQ(1u, tree.GetCount());
    ::DestroyWindow(tree.m_hWnd);
    ExpectBalanced();
}

TEST(Wow64RedirectionGuard, IsHarmlessWhereThereIsNoRedirection) {
    {
        Wow64RedirectionGuard outer;
        Wow64RedirectionGuard inner;
#ifdef _WIN64
        EXPECT_FALSE(outer.IsActive());  // a 64-bit program is never redirected
        EXPECT_FALSE(inner.IsActive());
#endif
    }
    // System32 is still reachable afterwards.
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(system));
}

}  // namespace
