#include "RenameTestSupport.h"
#include "renamory/PickerSeam.h"
#include "renamory/RenamoryDlg.h"
#include "support/Fixture.h"
#include "support/MessageBoxRecorder.h"

#include <gtest/gtest.h>

namespace renamory::test {
namespace {

constexpr size_t kFiles = 1000;
constexpr size_t kHeldAt = 400;

// Drives the modal dialog from a thread timer, since DoModal owns the message loop.
struct CloseScript {
    CRenamoryDlg* dialog = nullptr;
    ObservedMoves* moves = nullptr;
    int step = 0;
    bool runningWhenClosed = false;
    bool endedBeforeWorkerFinished = false;
    ULONGLONG deadline = 0;
};
CloseScript* g_script = nullptr;

void CALLBACK Step(HWND, UINT, UINT_PTR timer, DWORD) {
    CloseScript& s = *g_script;
    const HWND wnd = s.dialog->m_hWnd;
    if (!wnd) return;
    if (::GetTickCount64() > s.deadline) {  // a stuck run must not hang the test program
        ::KillTimer(nullptr, timer);
        s.moves->Release();
        s.dialog->EndDialog(-1);
        return;
    }
    if (s.step == 0) {
        ::SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0);  // Add...
        ::SetDlgItemTextW(wnd, 1003, L"renamed[COUNT]");
        ::SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(1007, BN_CLICKED), 0);  // Preview
        ::SendMessageW(wnd, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);  // Start
        s.step = 1;
    } else if (s.step == 1 && s.moves->IsHeld()) {
        ::SendMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        s.runningWhenClosed = s.dialog->IsRenameRunning();
        s.endedBeforeWorkerFinished = s.dialog->IsEnded();
        s.moves->Release();
        s.step = 2;
        ::KillTimer(nullptr, timer);
    }
}

std::vector<std::wstring> FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    fw::FindHandle find(::FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (!find) return names;
    do {
        if (data.cFileName[0] != L'.') names.push_back(data.cFileName);
    } while (::FindNextFileW(find.Get(), &data));
    return names;
}

// Closing while 1,000 files are renamed: the file being renamed is finished, nothing more is
// renamed, and the modal loop ends; every file has its old or its new name.
TEST(CloseDuringRunTest, FinishesTheCurrentFileRenamesNothingMoreAndEnds) {
    testing_support::FixtureTree tree;
    std::vector<std::wstring> picks;
    for (size_t i = kFiles; i >= 1; --i) picks.push_back(tree.File(L"old" + std::to_wstring(i) + L".txt"));
    testing_support::MessageBoxRecorder messages;
    PathPicker previous = SetPathPicker([&](HWND, bool) { return picks; });
    ObservedMoves moves(kHeldAt);

    INT_PTR result = 0;
    CloseScript script;
    {
        CRenamoryDlg dialog;
        script.dialog = &dialog;
        script.moves = &moves;
        script.deadline = ::GetTickCount64() + 60000;
        g_script = &script;
        ASSERT_NE(0u, ::SetTimer(nullptr, 0, 10, &Step));
        result = dialog.DoModal();
        g_script = nullptr;
        EXPECT_EQ(nullptr, dialog.m_hWnd);
    }
    SetPathPicker(std::move(previous));
    const std::vector<std::wstring> afterClose = FolderNames(tree.Root());

    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(script.runningWhenClosed);
    EXPECT_FALSE(script.endedBeforeWorkerFinished) << "the dialog ended before the worker stopped";
    EXPECT_EQ(kHeldAt + 1, moves.Moves().size()) << "the held file is finished, no later one is begun";
    EXPECT_TRUE(messages.Calls().empty());
    ASSERT_EQ(kFiles, afterClose.size());
    size_t renamed = 0;
    for (size_t i = 1; i <= kFiles; ++i) {
        const bool isNew = tree.Exists(L"renamed" + std::to_wstring(i) + L".txt");
        const bool isOld = tree.Exists(L"old" + std::to_wstring(i) + L".txt");
        EXPECT_NE(isNew, isOld) << "file " << i;
        renamed += isNew ? 1 : 0;
    }
    EXPECT_EQ(kHeldAt + 1, renamed);
}

}  // namespace
}  // namespace renamory::test
