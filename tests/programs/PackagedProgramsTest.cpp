// The programs as a user gets them: copied with the user guide into a folder of their own,
// started from there, closed from the system menu, and F1 opening the guide that lies
// beside them.
#include <gtest/gtest.h>

#include "programs/HelpViewerWatch.h"
#include "programs/ProgramUnderTest.h"
#include "shared/HelpLauncher.h"
#include "support/Fixture.h"
#include "support/Pump.h"

#include <ostream>
#include <string>

namespace {

using programs_testing::HelpViewerWatch;
using programs_testing::ProgramUnderTest;
using programs_testing::WindowsPathOfUnixPath;

// Title compiled into the guide (docs/guide/guide.hhp); the help viewer shows it.
constexpr wchar_t kGuideTitle[] = L"Orvana Clarimo User Guide";
// The first start of a program in a fresh Wine prefix loads a great deal; later ones are
// quick. Generous limits keep a slow machine from failing the tests.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 15000;

struct PackagedProgram {
    const char* name;
    const char* unixExe;
    const wchar_t* exeFile;
    const wchar_t* caption;
};

const PackagedProgram kPrograms[] = {
    {"Dirvista", DIRVISTA_EXE_UNIX, L"Dirvista.exe", L"Orvana Dirvista"},
    {"Renamory", RENAMORY_EXE_UNIX, L"Renamory.exe", L"Orvana Renamory"},
};

// Test names and messages show the program's name rather than the bytes of the entry.
void PrintTo(const PackagedProgram& program, std::ostream* out) { *out << program.name; }

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

// Presses F1 as the keyboard does. Only a keystroke that comes through the input queue turns
// into the help request (a posted WM_KEYDOWN does not), and it goes to the foreground window,
// so the program's dialog is brought to the front first.
bool PressF1(HWND dialog) {
    ::SetForegroundWindow(dialog);
    if (!testing_support::PumpUntil([&] { return ::GetForegroundWindow() == dialog; }, 5000))
        return false;
    INPUT keys[2]{};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_F1;
        key.ki.wScan = 0x3B;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return ::SendInput(2, keys, sizeof(INPUT)) == 2;
}

class PackagedProgramsTest : public ::testing::TestWithParam<PackagedProgram> {
protected:
    void SetUp() override {
        // Both programs and the guide, as the package holds them.
        const std::wstring buildFolder = FolderOf(WindowsPathOfUnixPath(DIRVISTA_EXE_UNIX));
        const std::wstring guide = buildFolder + L"\\" + kHelpFileName;
        ASSERT_NE(::GetFileAttributesW(guide.c_str()), INVALID_FILE_ATTRIBUTES)
            << "the user guide is missing beside the programs; `make guide` builds it";
        for (const PackagedProgram& program : kPrograms) {
            const std::wstring exe = WindowsPathOfUnixPath(program.unixExe);
            ASSERT_TRUE(::CopyFileW(exe.c_str(), folder.Path(program.exeFile).c_str(), FALSE));
        }
        ASSERT_TRUE(::CopyFileW(guide.c_str(), folder.Path(kHelpFileName).c_str(), FALSE));
    }

    std::wstring Exe() const { return folder.Path(GetParam().exeFile); }

    testing_support::FixtureTree folder;
};

TEST_P(PackagedProgramsTest, StartsFromItsFolderAndEndsOnClose) {
    ProgramUnderTest program;
    ASSERT_TRUE(program.Start(Exe(), folder.Root()));
    HWND dialog = program.WaitForMainWindow(GetParam().caption, kStartTimeoutMs);
    ASSERT_NE(dialog, nullptr) << "no main window; exit code " << program.ExitCode();

    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_P(PackagedProgramsTest, F1OpensTheGuideBesideIt) {
    HelpViewerWatch viewers;
    ProgramUnderTest program;
    ASSERT_TRUE(program.Start(Exe(), folder.Root()));
    HWND dialog = program.WaitForMainWindow(GetParam().caption, kStartTimeoutMs);
    ASSERT_NE(dialog, nullptr);

    // Other tests running at the same time may take the foreground between the check and
    // the keystroke; the key then goes elsewhere, so it is pressed again.
    HWND viewer = nullptr;
    for (int attempt = 0; attempt < 3 && !viewer; ++attempt) {
        if (PressF1(dialog)) viewer = viewers.WaitForViewerWindow(kGuideTitle, 10000);
    }
    EXPECT_NE(viewer, nullptr) << "F1 opened no help viewer showing the guide";

    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs));
}

INSTANTIATE_TEST_SUITE_P(Package, PackagedProgramsTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
