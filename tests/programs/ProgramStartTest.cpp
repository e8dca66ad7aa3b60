#include <gtest/gtest.h>

#include "framework/Handles.h"
#include "shared/FileVersionInfo.h"
#include "support/Pump.h"

#include <string>

// Starts the built programs as a user would and watches their windows.
namespace {

std::wstring WindowsPath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c; ++c) path += (*c == '/') ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

fw::KernelHandle Start(const char* exe) {
    std::wstring command = L"\"" + WindowsPath(exe) + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return {};
    ::CloseHandle(process.hThread);
    return fw::KernelHandle(process.hProcess);
}

// Waits while pumping: the other program may send messages to this test's windows.
bool Exits(const fw::KernelHandle& process, DWORD timeoutMs = 15000) {
    return testing_support::PumpUntil(
        [&] { return ::WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0; }, timeoutMs);
}

// The main dialog of one process: other tests of the suite may show dialogs with the same
// caption at the same time, in their own processes.
HWND FindDialogOf(DWORD processId, const wchar_t* caption) {
    struct Search {
        DWORD processId;
        const wchar_t* caption;
        HWND found;
    } search{processId, caption, nullptr};
    ::EnumWindows(
        [](HWND wnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(wnd, &owner);
            wchar_t text[64] = {};
            ::GetWindowTextW(wnd, text, 64);
            if (owner == s->processId && std::wstring(text) == s->caption) {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(const fw::KernelHandle& process, const wchar_t* caption, DWORD timeoutMs = 15000) {
    const DWORD processId = ::GetProcessId(process.Get());
    HWND found = nullptr;
    testing_support::PumpUntil([&] { return (found = FindDialogOf(processId, caption)) != nullptr; },
                               timeoutMs);
    return found;
}

struct Program {
    const char* name;
    const char* exe;
    const wchar_t* mutexName;
    const wchar_t* searchedTitle;
    const wchar_t* caption;
};

const Program kPrograms[] = {
    {"Dirvista", DIRVISTA_EXE_UNIX, L"Global\\Orvana_Dirvista-15498461320-709674", L"OrvanaDirvista", L"Orvana Dirvista"},
    {"Renamory", RENAMORY_EXE_UNIX, L"Global\\Orvana_Renamory-15498461320-709674", L"OrvanaRenamory", L"Orvana Renamory"},
};

class SecondInstance : public ::testing::TestWithParam<Program> {};

TEST_P(SecondInstance, EndsAtOnceAndRestoresTheWindowWithTheJoinedTitle) {
    const Program& program = GetParam();
    // This test plays the running instance: it holds the mutex and owns the searched window.
    fw::KernelHandle mutex(::CreateMutexW(nullptr, TRUE, program.mutexName));
    ASSERT_TRUE(mutex);
    HWND running = ::CreateWindowExW(0, L"STATIC", program.searchedTitle, WS_OVERLAPPEDWINDOW, 0, 0,
                                     200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, running);
    ::ShowWindow(running, SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(running));

    fw::KernelHandle second = Start(program.exe);
    ASSERT_TRUE(second);
    EXPECT_TRUE(Exits(second));
    EXPECT_FALSE(::IsIconic(running));
    EXPECT_EQ(nullptr, FindDialogOf(::GetProcessId(second.Get()), program.caption))
        << "the second instance showed a window";
    ::DestroyWindow(running);
}

TEST_P(SecondInstance, EndsSilentlyWhenNoWindowHasTheJoinedTitle) {
    const Program& program = GetParam();
    fw::KernelHandle mutex(::CreateMutexW(nullptr, TRUE, program.mutexName));
    fw::KernelHandle second = Start(program.exe);
    ASSERT_TRUE(second);
    EXPECT_TRUE(Exits(second));
}

INSTANTIATE_TEST_SUITE_P(Programs, SecondInstance, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Programs, BothStartSideBySideAndCloseFromTheSystemMenu) {
    fw::KernelHandle dirvista = Start(DIRVISTA_EXE_UNIX);
    ASSERT_TRUE(dirvista);
    HWND dirvistaWindow = WaitForDialog(dirvista, L"Orvana Dirvista");
    ASSERT_NE(nullptr, dirvistaWindow);

    fw::KernelHandle renamory = Start(RENAMORY_EXE_UNIX);
    ASSERT_TRUE(renamory);
    HWND renamoryWindow = WaitForDialog(renamory, L"Orvana Renamory");
    ASSERT_NE(nullptr, renamoryWindow);
    EXPECT_EQ(WAIT_TIMEOUT, ::WaitForSingleObject(dirvista.Get(), 0));

    ::PostMessageW(dirvistaWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::PostMessageW(renamoryWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(Exits(dirvista));
    EXPECT_TRUE(Exits(renamory));
}

TEST(FileVersionInfo, ModuleWithoutVersionResourceLoadsNothing) {
    // This test program carries no version resource.
    CFileVersionInfo info;
    EXPECT_FALSE(info.Load(::GetModuleHandleW(nullptr)));
    wchar_t buffer[128] = {L'x'};
    EXPECT_FALSE(info.GetStringValue(L"ProductVersion", buffer));
}

}  // namespace
