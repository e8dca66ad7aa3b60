#include <gtest/gtest.h>

#include "skin/ResizeDialog.h"
#include "skin/SkinManager.h"
#include "support/WindowGeometry.h"
#include "support/DialogTemplate.h"
#include "support/Fixture.h"

namespace {

using testing_support::ControlRect;
using testing_support::SetClientSize;

class ResizableHost : public CResizeDialog {
public:
    ResizableHost() : CResizeDialog(0) {}
    BOOL OnInitDialog() override {
        CResizeDialog::OnInitDialog();
        // Four controls with the anchor patterns a viewer uses.
        Make(1, 10, 10, 100, 200);   // keeps its width, grows in height
        Make(2, 120, 10, 300, 200);  // grows in width and height
        Make(3, 120, 210, 300, 250); // moves down, grows in width
        Make(4, 10, 260, 300, 270);  // moves down, grows in width
        AddAnchor(1, 0, 0, 0, 1);
        AddAnchor(2, 0, 0, 1, 1);
        AddAnchor(3, 0, 1, 1, 1);
        AddAnchor(4, 0.5, 1, 1, 1);
        SetMinClientSize(750, 510);
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}

private:
    void Make(int id, int l, int t, int r, int b) {
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, l, t, r - l, b - t, m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
};

class ResizeDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateIndirect(dialogTemplate.Get()));
        SetClientSize(host.m_hWnd, 800, 600);
        for (int id = 1; id <= 4; ++id) before[id] = ControlRect(host.m_hWnd, id);
    }
    testing_support::EmptyDialogTemplate dialogTemplate{
        300, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT};
    ResizableHost host;
    RECT before[5]{};
};

TEST_F(ResizeDialogTest, EdgesMoveByTheirFractionsOfTheGrowth) {
    SetClientSize(host.m_hWnd, 900, 650);  // dx = 100, dy = 50
    RECT client{};
    ::GetClientRect(host.m_hWnd, &client);
    ASSERT_EQ(900, client.right);
    ASSERT_EQ(650, client.bottom);
    struct Expected { int id, dl, dt, dr, db; };
    const Expected table[] = {
        {1, 0, 0, 0, 50},
        {2, 0, 0, 100, 50},
        {3, 0, 50, 100, 50},
        {4, 50, 50, 100, 50},
    };
    for (const auto& e : table) {
        const RECT after = ControlRect(host.m_hWnd, e.id);
        EXPECT_EQ(before[e.id].left + e.dl, after.left) << e.id;
        EXPECT_EQ(before[e.id].top + e.dt, after.top) << e.id;
        EXPECT_EQ(before[e.id].right + e.dr, after.right) << e.id;
        EXPECT_EQ(before[e.id].bottom + e.db, after.bottom) << e.id;
    }
}

TEST_F(ResizeDialogTest, ManySmallStepsLandWhereOneBigStepDoes) {
    for (int step = 1; step <= 33; ++step) SetClientSize(host.m_hWnd, 800 + step * 3, 600 + step);
    SetClientSize(host.m_hWnd, 800, 600);
    for (int id = 1; id <= 4; ++id) {
        const RECT after = ControlRect(host.m_hWnd, id);
        EXPECT_TRUE(::EqualRect(&before[id], &after)) << id;
    }
}

TEST_F(ResizeDialogTest, SmallestTrackSizeIsTheMinimumClientAreaPlusTheFrame) {
    MINMAXINFO info{};
    ::SendMessageW(host.m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT frame{0, 0, 750, 510};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(host.m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(host.m_hWnd, GWL_EXSTYLE)));
    EXPECT_EQ(frame.right - frame.left, info.ptMinTrackSize.x);
    EXPECT_EQ(frame.bottom - frame.top, info.ptMinTrackSize.y);
}

TEST_F(ResizeDialogTest, SizeGripSitsInTheLowerRightCorner) {
    HWND grip = ::FindWindowExW(host.m_hWnd, nullptr, L"SCROLLBAR", nullptr);
    ASSERT_NE(nullptr, grip);
    EXPECT_TRUE(::GetWindowLongPtrW(grip, GWL_STYLE) & SBS_SIZEGRIP);
    RECT client{};
    ::GetClientRect(host.m_hWnd, &client);
    RECT rect{};
    ::GetWindowRect(grip, &rect);
    ::MapWindowPoints(nullptr, host.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(client.right, rect.right);
    EXPECT_EQ(client.bottom, rect.bottom);
}

TEST(SkinManager, ReportsWhetherTheSkinFileCouldBeRead) {
    testing_support::FixtureTree tree;
    EXPECT_FALSE(CSkinManager::Instance().LoadSkin((tree.Root() + L"\\trelk.dat").c_str()));
    const std::wstring skin = tree.FileWithText(L"trelk.dat", "skin");
    EXPECT_TRUE(CSkinManager::Instance().LoadSkin(skin.c_str()));
    EXPECT_EQ(&CSkinManager::Instance(), &CSkinManager::Instance());
}

}  // namespace
