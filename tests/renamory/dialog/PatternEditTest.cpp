#include "RenamoryDialogHarness.h"

namespace renamory::test {
namespace {

using PatternEditTest = RenamoryDialogTest;

// A key as the dialog's message loop sees it: through PreTranslateMessage, then dispatched.
void PressKey(HWND edit, WPARAM key) {
    ::SetFocus(edit);
    ::PostMessageW(edit, WM_KEYDOWN, key, 1);
    ::PostMessageW(edit, WM_KEYUP, key, 0xC0000001);
    testing_support::PumpPending();
}

DWORD Caret(HWND edit) {
    DWORD start = 0;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return start;
}

TEST_F(PatternEditTest, AtOneHundredCharactersOnlyEditingKeysGetThrough) {
    const HWND edit = Item(kIdPattern);
    const std::wstring full(100, L'a');
    const WPARAM swallowed[] = {'B', VK_SPACE, VK_TAB, VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN};
    const WPARAM kept[] = {VK_BACK, VK_DELETE, VK_HOME, VK_END, VK_LEFT, VK_RIGHT};

    SetPattern(full);
    for (WPARAM key : swallowed) {
        MSG msg{edit, WM_KEYDOWN, key, 1};
        dialog.PreTranslateMessage(&msg);
        EXPECT_EQ(0u, msg.wParam) << "key " << key;
    }
    for (WPARAM key : kept) {
        MSG msg{edit, WM_KEYDOWN, key, 1};
        dialog.PreTranslateMessage(&msg);
        EXPECT_EQ(key, msg.wParam) << "key " << key;
    }
    SetPattern(std::wstring(99, L'a'));
    MSG below{edit, WM_KEYDOWN, 'B', 1};
    dialog.PreTranslateMessage(&below);
    EXPECT_EQ(static_cast<WPARAM>('B'), below.wParam);
}

TEST_F(PatternEditTest, EditingKeysStillWorkAtTheLimit) {
    const HWND edit = Item(kIdPattern);
    SetPattern(std::wstring(100, L'a'));
    ::SendMessageW(edit, EM_SETSEL, 100, 100);

    PressKey(edit, VK_HOME);
    EXPECT_EQ(0u, Caret(edit));
    PressKey(edit, VK_END);
    EXPECT_EQ(100u, Caret(edit));
    PressKey(edit, VK_LEFT);
    EXPECT_EQ(99u, Caret(edit));
    PressKey(edit, VK_RIGHT);
    EXPECT_EQ(100u, Caret(edit));
    PressKey(edit, VK_HOME);
    PressKey(edit, VK_DELETE);
    EXPECT_EQ(99u, Pattern().size());
    EXPECT_TRUE(Texts().empty()) << "the swallowed keys must not reach the dialog either";
}

TEST_F(PatternEditTest, EnterAtTheLimitDoesNotRunPreview) {
    Add({L"C:\\d\\a.txt"});
    SetPattern(std::wstring(100, L'a'));
    PressKey(Item(kIdPattern), VK_RETURN);
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(std::vector<std::wstring>{L""}, ModifiedNames());
}

TEST_F(PatternEditTest, TokenButtonsAppendAtTheEndEvenPastTheTypingLimit) {
    const std::pair<int, const wchar_t*> tokens[] = {
        {kIdTokenName, L"[NAME]"}, {kIdTokenCount, L"[COUNT]"}, {kIdTokenRandom, L"[RAND]"},
        {kIdTokenDate, L"[DATE]"}, {kIdTokenTime, L"[TIME]"},
    };
    for (const auto& [id, token] : tokens) {
        SetPattern(L"ab");
        ::SendMessageW(Item(kIdPattern), EM_SETSEL, 0, 0);  // the caret does not matter
        Click(id);
        EXPECT_EQ(std::wstring(L"ab") + token, Pattern());
    }
    SetPattern(std::wstring(100, L'a'));
    Click(kIdTokenName);
    EXPECT_EQ(std::wstring(100, L'a') + L"[NAME]", Pattern());
    EXPECT_TRUE(Texts().empty());
}

TEST_F(PatternEditTest, TokenLengthCheckUsesTheSecondRowsFolder) {
    const std::wstring folder = L"C:\\" + std::wstring(46, L'f') + L"\\";  // 50 characters
    // With fewer than two rows only the pattern counts: 253 + 6 fits in 259.
    Add({folder + L"first.txt"});
    SetPattern(std::wstring(253, L'p'));
    Click(kIdTokenName);
    EXPECT_EQ(259u, Pattern().size());
    EXPECT_TRUE(Texts().empty());

    Add({L"C:\\top.txt"});  // the long folder is now the second row
    const std::wstring fits(260 - 50 - 6 - 1, L'p');
    SetPattern(fits);
    Click(kIdTokenName);
    EXPECT_EQ(fits + L"[NAME]", Pattern());

    const std::wstring tooLong = fits + L"p";
    SetPattern(tooLong);
    Click(kIdTokenName);
    EXPECT_EQ(tooLong, Pattern());
    ASSERT_EQ(1u, messages.Calls().size());
    EXPECT_EQ(L"New file name too large", messages.Calls()[0].text);
    EXPECT_EQ(kTopmostExclamation, messages.Calls()[0].style);
}

TEST_F(PatternEditTest, TokensLeaveModifiedNamesAndStartAlone) {
    Add({L"C:\\d\\a.txt"});
    PreviewOk(L"x");
    Click(kIdTokenCount);
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\d\\x.txt"}, ModifiedNames());
    EXPECT_TRUE(IsStartEnabled());
}

}  // namespace
}  // namespace renamory::test
