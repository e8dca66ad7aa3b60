#include <gtest/gtest.h>

#include "framework/Handles.h"
#include "programs/ProgramUnderTest.h"
#include "shared/FileVersionInfo.h"
#include "support/Pump.h"

#include <string>

// Starts the built programs as a user would and watches their windows.
namespace {

using programs_testing::ProgramUnderTest;

// Starts a built program from its own folder, as Explorer would.
bool Start(ProgramUnderTest& program, const char* exe) {
    const std::wstring path = programs_testing::WindowsPathOfUnixPath(exe);
    return program.Start(path, path.substr(0, path.find_last_of(L'\\')));
}

// Waits while pumping: the other program may send messages to this test's windows.
bool Exits(const ProgramUnderTest& program, DWORD timeoutMs = 15000) {
    return testing_support::PumpUntil([&] { return program.WaitForExit(0); }, timeoutMs);
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

    ProgramUnderTest second;
    ASSERT_TRUE(Start(second, program.exe));
    EXPECT_TRUE(Exits(second));
    EXPECT_FALSE(::IsIconic(running));
    ::DestroyWindow(running);
}

TEST_P(SecondInstance, EndsSilentlyWhenNoWindowHasTheJoinedTitle) {
    const Program& program = GetParam();
    fw::KernelHandle mutex(::CreateMutexW(nullptr, TRUE, program.mutexName));
    ProgramUnderTest second;
    ASSERT_TRUE(Start(second, program.exe));
    EXPECT_TRUE(Exits(second));
}

INSTANTIATE_TEST_SUITE_P(Programs, SecondInstance, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Programs, BothStartSideBySideAndCloseFromTheSystemMenu) {
    ProgramUnderTest dirvista;
    ASSERT_TRUE(Start(dirvista, DIRVISTA_EXE_UNIX));
    HWND dirvistaWindow = dirvista.WaitForMainWindow(L"Orvana Dirvista", 15000);
    ASSERT_NE(nullptr, dirvistaWindow);

    ProgramUnderTest renamory;
    ASSERT_TRUE(Start(renamory, RENAMORY_EXE_UNIX));
    HWND renamoryWindow = renamory.WaitForMainWindow(L"Orvana Renamory", 15000);
    ASSERT_NE(nullptr, renamoryWindow);
    EXPECT_FALSE(dirvista.WaitForExit(0));

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
