#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "support/DialogTemplate.h"
#include "support/MessageBoxRecorder.h"
#include "support/Pump.h"

namespace {

using testing_support::EmptyDialogTemplate;

// A tree that handles its own expanding notification.
class SelfExpandingTree : public fw::CTreeCtrl {
public:
    int expanding = 0;

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        static constexpr fw::Route routes[] = {
            fw::OnReflectNotify<&SelfExpandingTree::OnExpanding>(TVN_ITEMEXPANDINGW),
        };
        return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
               fw::CTreeCtrl::OnWndMsg(msg, wp, lp, result);
    }

private:
    void OnExpanding(NMHDR*, LRESULT* result) {
        ++expanding;
        *result = 0;
    }
};

class HostDialog : public fw::CDialog {
public:
    HostDialog() : fw::CDialog(0) {}
    SelfExpandingTree tree;
    int parentExpanding = 0;
    int parentExpanded = 0;
    int okCount = 0;
    int buttonClicks = 0;

protected:
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        static constexpr fw::Route routes[] = {
            fw::OnNotify<&HostDialog::OnExpanding>(100, TVN_ITEMEXPANDINGW),
            fw::OnNotify<&HostDialog::OnExpanded>(100, TVN_ITEMEXPANDEDW),
            fw::OnCommand<&HostDialog::OnButton>(200),
            fw::OnMessage<&HostDialog::OnQueryDragIcon>(WM_QUERYDRAGICON),
            fw::OnMessage<&HostDialog::OnCtlColor>(WM_CTLCOLORSTATIC),
        };
        return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
               fw::CDialog::OnWndMsg(msg, wp, lp, result);
    }
    void OnOK() override { ++okCount; }
    void OnCancel() override {}

private:
    void OnExpanding(NMHDR*, LRESULT*) { ++parentExpanding; }
    void OnExpanded(NMHDR*, LRESULT*) { ++parentExpanded; }
    void OnButton() { ++buttonClicks; }
    LRESULT OnQueryDragIcon(WPARAM, LPARAM) { return 0x1234; }
    LRESULT OnCtlColor(WPARAM, LPARAM) {
        return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
    }
};

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
        ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
        HWND tree = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS,
                                      0, 0, 100, 100, dialog.m_hWnd,
                                      reinterpret_cast<HMENU>(100), nullptr, nullptr);
        ASSERT_TRUE(dialog.tree.SubclassWindow(tree));
        root = dialog.tree.InsertItem(L"root", 0, 0);
        dialog.tree.InsertItem(L"child", 0, 0, root);
    }

    EmptyDialogTemplate dialogTemplate;
    HostDialog dialog;
    HTREEITEM root = nullptr;
};

TEST_F(FrameworkTest, ReflectedNotificationReachesTheChildAndNotTheParent) {
    dialog.tree.Expand(root, TVE_EXPAND);
    EXPECT_EQ(1, dialog.tree.expanding);
    EXPECT_EQ(0, dialog.parentExpanding);
    // A notification the child does not handle goes on to the parent's map.
    EXPECT_EQ(1, dialog.parentExpanded);
}

TEST_F(FrameworkTest, ObjectsAreFoundFromTheirWindowsAndLetGoOnDestroy) {
    EXPECT_EQ(&dialog, fw::CWnd::FromHandle(dialog.m_hWnd));
    EXPECT_EQ(&dialog.tree, fw::CWnd::FromHandle(dialog.tree.m_hWnd));
    HWND tree = dialog.tree.m_hWnd;
    ::DestroyWindow(tree);
    EXPECT_EQ(nullptr, dialog.tree.m_hWnd);
    EXPECT_EQ(nullptr, fw::CWnd::FromHandle(tree));
}

TEST_F(FrameworkTest, DialogResultsGoWhereTheDialogManagerLooks) {
    // DWLP_MSGRESULT for ordinary messages; the value itself for the documented exceptions.
    EXPECT_EQ(0x1234, ::SendMessageW(dialog.m_hWnd, WM_QUERYDRAGICON, 0, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH)),
              ::SendMessageW(dialog.m_hWnd, WM_CTLCOLORSTATIC, 0, 0));
}

TEST_F(FrameworkTest, CommandsAndKeyboardReachTheirHandlers) {
    HWND button = ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0,
                                    120, 50, 20, dialog.m_hWnd, reinterpret_cast<HMENU>(200),
                                    nullptr, nullptr);
    ::SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(1, dialog.buttonClicks);

    // Enter in a dialog becomes IDOK through the dialog keyboard in PreTranslate.
    ::PostMessageW(button, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(testing_support::PumpUntil([&] { return dialog.okCount == 1; }, 2000));
}

TEST(MessageBoxSeam, RecorderCapturesCallsAndScriptsAnswers) {
    testing_support::MessageBoxRecorder recorder;
    recorder.Answer(IDNO);
    EXPECT_EQ(IDNO, fw::ShowMessageBox(nullptr, L"first", L"caption", MB_YESNO));
    EXPECT_EQ(IDOK, fw::ShowMessageBox(nullptr, L"second", L"caption", MB_OK));
    ASSERT_EQ(2u, recorder.Calls().size());
    EXPECT_EQ(L"first", recorder.Calls()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), recorder.Calls()[0].style);
}

TEST(GdiWrappers, SelectGuardPutsThePreviousObjectBack) {
    fw::CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_BRUSH);
    fw::CBrush brush = fw::MakeSolidBrush(RGB(1, 2, 3));
    {
        fw::SelectGuard guard(dc, brush);
        EXPECT_EQ(brush.Get(), ::GetCurrentObject(dc, OBJ_BRUSH));
    }
    EXPECT_EQ(original, ::GetCurrentObject(dc, OBJ_BRUSH));
}

}  // namespace
