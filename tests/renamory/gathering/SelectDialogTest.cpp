#include <gtest/gtest.h>

#include "renamory/gathering/SelectDialog.h"
#include "support/Fixture.h"

#include <dlgs.h>

#include <functional>
#include <string>
#include <vector>

// The picker driven for real: the platform's open dialog runs its own modal loop, so the test
// acts from a thread timer, one scripted step after another, each once its condition holds.
namespace {

using Step = std::function<bool(HWND frame)>;

struct Script {
    static inline std::vector<Step> steps;
    static inline size_t next = 0;
    static inline ULONGLONG deadline = 0;
    static inline bool timedOut = false;

    static HWND FindFrame() {
        HWND found = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND wnd, LPARAM lp) -> BOOL {
            if (::IsWindowVisible(wnd) && ::GetDlgItem(wnd, lst2)) {
                *reinterpret_cast<HWND*>(lp) = wnd;
                return FALSE;
            }
            return TRUE;
        }, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        const HWND frame = FindFrame();
        if (!frame) return;
        if (::GetTickCount64() > deadline) {
            // Never hang the test run: give up and close the dialog.
            timedOut = true;
            ::PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
        if (next < steps.size() && steps[next](frame)) ++next;
    }
};

HWND ItemList(HWND frame) { return ::GetDlgItem(::GetDlgItem(frame, lst2), 1); }

std::wstring ItemText(HWND list, int index) {
    wchar_t buffer[MAX_PATH] = {};
    LVITEMW item{};
    item.pszText = buffer;
    item.cchTextMax = MAX_PATH;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

int Count(HWND frame) { return static_cast<int>(::SendMessageW(ItemList(frame), LVM_GETITEMCOUNT, 0, 0)); }

int IndexOf(HWND frame, const std::wstring& name) {
    for (int i = 0; i < Count(frame); ++i)
        if (ItemText(ItemList(frame), i) == name) return i;
    return -1;
}

void Select(HWND frame, const std::vector<std::wstring>& names) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    for (const auto& name : names)
        ::SendMessageW(ItemList(frame), LVM_SETITEMSTATE, static_cast<WPARAM>(IndexOf(frame, name)),
                       reinterpret_cast<LPARAM>(&state));
}

std::wstring NameBox(HWND frame) {
    wchar_t buffer[1024] = {};
    ::SendMessageW(frame, CDM_GETSPEC, 1024, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// Select, as a click on the button sends it (notification code 0).
void ClickSelect(HWND frame) {
    ::PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(frame, IDOK)));
}
// The dialog's own OK processing, as when it accepts an item by itself: an IDOK command that
// is not a button click (the accelerator code).
void DialogsOwnOk(HWND frame) { ::PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDOK, 1), 0); }
void ClickCancel(HWND frame) {
    ::PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(frame, IDCANCEL)));
}

RECT ChildRect(HWND frame, int id) {
    RECT r{};
    ::GetWindowRect(::GetDlgItem(frame, id), &r);
    ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring Text(HWND frame, int id) {
    wchar_t buffer[128] = {};
    ::GetDlgItemTextW(frame, id, buffer, 128);
    return buffer;
}

int g_beeps = 0;
void CountBeep(UINT type) {
    EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION), type);
    ++g_beeps;
}

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.Folder(L"alpha");
        tree.Folder(L"beta");
        tree.Folder(L"gamma");
        tree.File(L"a.txt", 1);
        tree.File(L"b.txt", 2);
        root = tree.Root();
        g_beeps = 0;
        previousBeep = CSelectDialog::SetBeepFunction(&CountBeep);
    }
    void TearDown() override { CSelectDialog::SetBeepFunction(previousBeep); }

    // Shows the picker on the fixture folder and runs `steps` in it; returns DoModal's result.
    INT_PTR Run(std::vector<Step> steps) {
        // The first step waits for the folder to be listed.
        steps.insert(steps.begin(), [](HWND frame) { return Count(frame) == 5; });
        Script::steps = std::move(steps);
        Script::next = 0;
        Script::timedOut = false;
        Script::deadline = ::GetTickCount64() + 20000;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &Script::Tick);
        CSelectDialog picker;
        picker.m_ofn.lpstrInitialDir = root.c_str();
        const INT_PTR result = picker.DoModal();
        ::KillTimer(nullptr, timer);
        EXPECT_FALSE(Script::timedOut) << "stopped at step " << Script::next;
        EXPECT_EQ(Script::steps.size(), Script::next);
        return result;
    }
    std::wstring In(const std::wstring& name) const { return root + L"\\" + name; }

    testing_support::FixtureTree tree;
    std::wstring root;
    CSelectDialog::BeepFunction previousBeep = nullptr;
};

TEST_F(PickerTest, IsRelabelledAndLaidOutWithSelectBesideCancel) {
    const INT_PTR result = Run({[&](HWND frame) {
        EXPECT_EQ(L"Item name:", Text(frame, stc3));
        EXPECT_EQ(L"Select", Text(frame, IDOK));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(frame, cmb1)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(frame, stc2)));
        EXPECT_EQ(root, CSelectDialog::m_strCurrentFolder);
        const RECT cancel = ChildRect(frame, IDCANCEL), select = ChildRect(frame, IDOK);
        const RECT label = ChildRect(frame, stc3), names = ChildRect(frame, cmb13);
        const RECT view = ChildRect(frame, lst2), placeholder = ChildRect(frame, lst1);
        EXPECT_EQ(cancel.left - 5, select.right);
        EXPECT_EQ(cancel.top, select.top);
        EXPECT_EQ(cancel.top, names.top);
        EXPECT_LT(label.top, cancel.bottom);
        EXPECT_GE(label.top, cancel.top);
        EXPECT_LE(label.right, names.left);
        EXPECT_LE(names.right, select.left);
        EXPECT_EQ(cancel.top - 5, placeholder.bottom);
        EXPECT_LE(view.bottom, cancel.top - 5);
        ClickCancel(frame);
        return true;
    }});
    EXPECT_EQ(IDCANCEL, result);
}

TEST_F(PickerTest, SelectedFoldersComeBackInViewOrder) {
    std::vector<std::wstring> expected;
    const INT_PTR result = Run({[&](HWND frame) {
        Select(frame, {L"gamma", L"alpha"});
        for (int i = 0; i < Count(frame); ++i) {
            if (::SendMessageW(ItemList(frame), LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED))
                expected.push_back(In(ItemText(ItemList(frame), i)));
        }
        ClickSelect(frame);
        return true;
    }});
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(2u, expected.size());
    EXPECT_EQ(expected, CSelectDialog::m_arrChosenItems);
}

TEST_F(PickerTest, AFolderAndAFileGiveTheFolderFirst) {
    std::wstring nameBox;
    const INT_PTR result = Run({[&](HWND frame) {
                                    Select(frame, {L"b.txt", L"beta"});
                                    return true;
                                },
                                [&](HWND frame) {
                                    nameBox = NameBox(frame);
                                    if (nameBox.empty()) return false;
                                    ClickSelect(frame);
                                    return true;
                                }});
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((std::vector<std::wstring>{In(L"beta"), In(L"b.txt")}), CSelectDialog::m_arrChosenItems)
        << "name box: " << testing::PrintToString(nameBox);
}

TEST_F(PickerTest, SelectWithNothingSelectedKeepsTheDialogOpen) {
    CSelectDialog::m_arrChosenItems = {L"earlier result"};
    bool stillOpen = false;
    const INT_PTR result = Run({[&](HWND frame) {
                                    ClickSelect(frame);
                                    return true;
                                },
                                [&](HWND frame) {
                                    stillOpen = ::IsWindowVisible(frame) != FALSE;
                                    ClickCancel(frame);
                                    return true;
                                }});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(IDCANCEL, result);
    // Emptied by the attempt, not by the dialog opening or being cancelled.
    EXPECT_TRUE(CSelectDialog::m_arrChosenItems.empty());
}

TEST_F(PickerTest, CancelLeavesTheEarlierResult) {
    CSelectDialog::m_arrChosenItems = {L"earlier result"};
    const INT_PTR result = Run({[&](HWND frame) {
        Select(frame, {L"alpha"});
        ClickCancel(frame);
        return true;
    }});
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(std::vector<std::wstring>{L"earlier result"}, CSelectDialog::m_arrChosenItems);
}

TEST_F(PickerTest, TheDialogsOwnAcceptanceOfOneFileGivesThatFile) {
    const INT_PTR result = Run({[&](HWND frame) {
                                    Select(frame, {L"a.txt"});
                                    return true;
                                },
                                [&](HWND frame) {
                                    if (NameBox(frame).empty()) return false;
                                    DialogsOwnOk(frame);
                                    return true;
                                }});
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(std::vector<std::wstring>{In(L"a.txt")}, CSelectDialog::m_arrChosenItems);
    EXPECT_EQ(0, g_beeps);
}

TEST_F(PickerTest, TheDialogsOwnAcceptanceOfTwoFilesBeepsAndStaysOpen) {
    bool stillOpen = false;
    const INT_PTR result = Run({[&](HWND frame) {
                                    Select(frame, {L"a.txt", L"b.txt"});
                                    return true;
                                },
                                [&](HWND frame) {
                                    if (NameBox(frame).empty()) return false;
                                    DialogsOwnOk(frame);
                                    return true;
                                },
                                [&](HWND frame) {
                                    if (g_beeps == 0) return false;
                                    stillOpen = ::IsWindowVisible(frame) != FALSE;
                                    ClickCancel(frame);
                                    return true;
                                }});
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(1, g_beeps);
    EXPECT_TRUE(CSelectDialog::m_arrChosenItems.empty());
}

TEST_F(PickerTest, TheCurrentFolderFollowsTheDialog) {
    tree.File(L"alpha\\inner.txt");
    std::wstring afterChange;
    const INT_PTR result = Run({[&](HWND frame) {
                                    ::SendMessageW(frame, CDM_SETCONTROLTEXT, cmb13,
                                                   reinterpret_cast<LPARAM>(L"alpha"));
                                    DialogsOwnOk(frame);
                                    return true;
                                },
                                [&](HWND frame) {
                                    if (Count(frame) != 1) return false;
                                    afterChange = CSelectDialog::m_strCurrentFolder;
                                    Select(frame, {L"inner.txt"});
                                    return true;
                                },
                                [&](HWND frame) {
                                    if (NameBox(frame).empty()) return false;
                                    ClickSelect(frame);
                                    return true;
                                }});
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(In(L"alpha"), afterChange);
    EXPECT_EQ(std::vector<std::wstring>{In(L"alpha\\inner.txt")}, CSelectDialog::m_arrChosenItems);
}

}  // namespace
