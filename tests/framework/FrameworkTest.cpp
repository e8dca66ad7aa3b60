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

// Someone else subclassing a control on top of ours: when our object lets go first, the
// other procedure keeps working and messages still reach the control's own procedure.
WNDPROC g_outerPrevious = nullptr;
int g_outerMessages = 0;
LRESULT CALLBACK OuterProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == TVM_GETCOUNT) ++g_outerMessages;
    return ::CallWindowProcW(g_outerPrevious, wnd, msg, wp, lp);
}

TEST_F(FrameworkTest, SubclassingReplacesAndRestoresTheWindowProcedure) {
    HWND tree = dialog.tree.m_hWnd;
    const LONG_PTR ours = ::GetWindowLongPtrW(tree, GWLP_WNDPROC);
    dialog.tree.UnsubclassWindow();
    EXPECT_EQ(nullptr, fw::CWnd::FromHandle(tree));
    const LONG_PTR original = ::GetWindowLongPtrW(tree, GWLP_WNDPROC);
    EXPECT_NE(ours, original);

    ASSERT_TRUE(dialog.tree.SubclassWindow(tree));
    EXPECT_EQ(ours, ::GetWindowLongPtrW(tree, GWLP_WNDPROC));
    g_outerMessages = 0;
    g_outerPrevious = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
    dialog.tree.UnsubclassWindow();
    // Ours stays in the other's chain and passes everything on.
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&OuterProc), ::GetWindowLongPtrW(tree, GWLP_WNDPROC));
    EXPECT_EQ(2u, static_cast<unsigned>(::SendMessageW(tree, TVM_GETCOUNT, 0, 0)));
    EXPECT_EQ(1, g_outerMessages);
    ::SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    EXPECT_EQ(0, dialog.tree.expanding);
    EXPECT_EQ(1, dialog.parentExpanding);
}

// Many steps at once leave the bar where as many single steps would, wrapping included.
TEST(ProgressSteps, ManyStepsAtOnceEndWhereSingleStepsEnd) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    struct Case {
        int low, high, step, start;
        size_t steps;
    };
    const Case cases[] = {
        {0, 100, 10, 0, 0},  {0, 100, 10, 0, 10},  {0, 100, 10, 0, 11},   {0, 100, 10, 40, 2003},
        {0, 100, 30, 0, 4},  {0, 100, 7, 95, 1},   {5, 37, 10, 5, 12},    {0, 100, -10, 0, 25},
        {0, 100, 0, 40, 9},  {20, 20, 10, 20, 3},  {0, 65535, 100, 65500, 3},
    };
    for (const Case& c : cases) {
        fw::CProgressCtrl single, batched;
        for (fw::CProgressCtrl* bar : {&single, &batched}) {
            HWND wnd = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_POPUP, 0, 0, 100, 10, nullptr,
                                         nullptr, nullptr, nullptr);
            ASSERT_TRUE(bar->SubclassWindow(wnd));
            bar->SetRange(c.low, c.high);
            bar->SetStep(c.step);
            bar->SetPos(c.start);
        }
        for (size_t i = 0; i < c.steps; ++i) single.StepIt();
        const int before = batched.GetPos();
        EXPECT_EQ(before, batched.StepIt(c.steps));
        EXPECT_EQ(single.GetPos(), batched.GetPos())
            << c.low << ".." << c.high << " step " << c.step << " from " << c.start << " x" << c.steps;
        ::DestroyWindow(single.m_hWnd);
        ::DestroyWindow(batched.m_hWnd);
    }
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
