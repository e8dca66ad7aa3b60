#include <gtest/gtest.h>

#include "FolderFixtures.h"
#include "dirvista/folders/FolderPaths.h"
#include "dirvista/folders/FolderTreeView.h"
#include "dirvista/folders/FolderWalkControl.h"
#include "framework/Controls.h"
#include "framework/Handles.h"
#include "support/Fixture.h"
#include "support/Pump.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace {

using dirvista::CFolderTreeView;
using testing_support::FixtureTree;

using folder_tests::MakeFile;
using folder_tests::MakeFolder;

// Holds a folder open so that others may share it only as `share` allows: as root under
// Wine permissions cannot make a folder unreadable, a sharing conflict can.
fw::FileHandle HoldFolder(const std::wstring& path, DWORD share) {
    return fw::FileHandle(::CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// A progress bar with the control's defaults (range 0 to 100, step 10).
class ProgressBar {
public:
    ProgressBar() {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&icc);
        bar.m_hWnd = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_POPUP, 0, 0, 100, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    }
    ~ProgressBar() {
        ::DestroyWindow(bar.m_hWnd);
        bar.m_hWnd = nullptr;
    }
    int Steps() const { return bar.GetPos() / 10; }
    fw::CProgressCtrl bar;
};

struct TreeCase {
    const char* name;
    std::function<void(const std::wstring& root)> build;
    ULONGLONG expectedBytes;
    int expectedSteps;  // one per direct subfolder
};
void PrintTo(const TreeCase& c, std::ostream* os) { *os << c.name; }

const TreeCase kTreeCases[] = {
    {"EmptyFolder", [](const std::wstring&) {}, 0, 0},
    {"OnlyEmptyFiles",
     [](const std::wstring& root) {
         MakeFile(root + L"\\a", 0);
         MakeFolder(root + L"\\sub");
         MakeFile(root + L"\\sub\\b", 0);
     },
     0, 1},
    {"FilesAtEveryDepth",
     [](const std::wstring& root) {
         MakeFile(root + L"\\five", 5);
         MakeFolder(root + L"\\sub");
         MakeFile(root + L"\\sub\\three", 3);
     },
     8, 1},
    {"HiddenAndSystemEntriesCount",
     [](const std::wstring& root) {
         MakeFile(root + L"\\hidden", 7);
         ::SetFileAttributesW((root + L"\\hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
         MakeFile(root + L"\\system", 11);
         ::SetFileAttributesW((root + L"\\system").c_str(), FILE_ATTRIBUTE_SYSTEM);
         MakeFolder(root + L"\\hiddenFolder");
         MakeFile(root + L"\\hiddenFolder\\one", 1);
         ::SetFileAttributesW((root + L"\\hiddenFolder").c_str(), FILE_ATTRIBUTE_HIDDEN);
     },
     19, 1},
    {"DotNamesAreOrdinaryEntries",
     [](const std::wstring& root) {
         MakeFile(root + L"\\...", 2);
         MakeFolder(root + L"\\.a");
         MakeFile(root + L"\\.a\\in", 30);
         MakeFolder(root + L"\\x");
         MakeFolder(root + L"\\x\\...");
         MakeFile(root + L"\\x\\...\\in", 400);
         MakeFolder(root + L"\\x\\trailing.");
         MakeFile(root + L"\\x\\trailing.\\in", 5000);
     },
     5432, 2},
    {"MoreEntriesThanOneBatch",
     [](const std::wstring& root) {
         // About 130 bytes per entry: 600 entries take several 16 KB batches.
         for (int i = 0; i < 600; ++i)
             MakeFile(root + L"\\entry-with-a-rather-long-name-number-" + std::to_wstring(i), 1);
         MakeFolder(root + L"\\sub");
         for (int i = 0; i < 300; ++i)
             MakeFile(root + L"\\sub\\another-entry-with-a-long-name-" + std::to_wstring(i), 2);
     },
     1200, 1},
};

class FolderSizeOfTree : public ::testing::TestWithParam<TreeCase> {};

TEST_P(FolderSizeOfTree, SumsLogicalSizesAndStepsOncePerSubfolder) {
    FixtureTree fixture;
    GetParam().build(fixture.Root());
    ProgressBar progress;
    EXPECT_EQ(GetParam().expectedBytes,
              CFolderTreeView::GetFolderSize(fixture.Root().c_str(), &progress.bar));
    EXPECT_EQ(GetParam().expectedSteps, progress.Steps());
    // The same without a bar.
    EXPECT_EQ(GetParam().expectedBytes, CFolderTreeView::GetFolderSize(fixture.Root().c_str(), nullptr));
    folder_tests::EmptyFolderLiterally(fixture.Root());
}

INSTANTIATE_TEST_SUITE_P(Trees, FolderSizeOfTree, ::testing::ValuesIn(kTreeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FolderSize, NullPathOrMissingFolderCountsZero) {
    EXPECT_EQ(0u, CFolderTreeView::GetFolderSize(nullptr, nullptr));
    FixtureTree fixture;
    EXPECT_EQ(0u, CFolderTreeView::GetFolderSize(fixture.Path(L"missing").c_str(), nullptr));
}

TEST(FolderSize, AFolderWhoseNameEndsInADotIsMeasuredItself) {
    // Win32 parsing would turn x\... into x and x\b. into x\b.
    FixtureTree fixture;
    MakeFolder(fixture.Path(L"x"));
    MakeFile(fixture.Path(L"x\\outside"), 1);
    MakeFolder(fixture.Path(L"x\\..."));
    MakeFile(fixture.Path(L"x\\...\\inside"), 20);
    MakeFolder(fixture.Path(L"x\\b"));
    MakeFile(fixture.Path(L"x\\b\\plain"), 300);
    MakeFolder(fixture.Path(L"x\\b."));
    MakeFile(fixture.Path(L"x\\b.\\dotted"), 4000);
    EXPECT_EQ(20u, CFolderTreeView::GetFolderSize(fixture.Path(L"x\\...").c_str(), nullptr));
    EXPECT_EQ(4000u, CFolderTreeView::GetFolderSize(fixture.Path(L"x\\b.").c_str(), nullptr));
    folder_tests::EmptyFolderLiterally(fixture.Root());
}

TEST(FolderSize, UnreadableSubfolderCountsZeroWhileItsSiblingsCount) {
    FixtureTree fixture;
    fixture.File(L"top", 1);
    fixture.File(L"locked\\inside", 100);
    fixture.File(L"open\\inside", 20);
    fixture.File(L"open\\deeper\\inside", 300);
    const fw::FileHandle held = HoldFolder(fixture.Path(L"locked"), 0);
    ASSERT_TRUE(held);
    ProgressBar progress;
    EXPECT_EQ(321u, CFolderTreeView::GetFolderSize(fixture.Root().c_str(), &progress.bar));
    EXPECT_EQ(2, progress.Steps());
}

TEST(FolderSize, DriveRootIsListedThroughItsRootDirectory) {
    FixtureTree drive(L'T');
    drive.File(L"a", 4);
    drive.File(L"sub\\b", 6);
    // T:\ opens \\.\T:\, the root directory; the children are T:\\a and T:\\sub.
    EXPECT_EQ(10u, CFolderTreeView::GetFolderSize(L"T:\\", nullptr));
    std::vector<std::wstring> entered;
    dirvista::FolderWalkControl control;
    control.onEnterDirectory = [&](const wchar_t* path) { entered.push_back(path); };
    CFolderTreeView::GetFolderSize(L"T:\\", nullptr, &control);
    EXPECT_EQ((std::vector<std::wstring>{L"T:\\", L"T:\\\\sub"}), entered);
}

TEST(FolderPaths, DevicePathKeepsTheRootBackslashAndDropsOthers) {
    struct Case {
        const wchar_t* folder;
        const wchar_t* device;
    };
    const Case cases[] = {
        {L"C:\\", L"\\\\.\\C:\\"},
        {L"C:\\\\Windows", L"\\\\.\\C:\\\\Windows"},
        {L"C:\\\\Windows\\", L"\\\\.\\C:\\\\Windows"},
        {L"C:\\\\Windows\\System32", L"\\\\.\\C:\\\\Windows\\System32"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.device, dirvista::MakeDevicePath(c.folder)) << c.folder;
        EXPECT_EQ(c.device, dirvista::MakeOpenPath(c.folder)) << c.folder;
    }
    // Names that Win32 parsing would change are opened literally.
    EXPECT_EQ(L"\\\\?\\C:\\x\\...", dirvista::MakeOpenPath(L"C:\\\\x\\..."));
    EXPECT_EQ(L"\\\\?\\C:\\a.\\b", dirvista::MakeOpenPath(L"C:\\\\a.\\b\\"));
    EXPECT_EQ(L"\\\\?\\C:\\a \\b", dirvista::MakeOpenPath(L"C:\\\\a \\b"));
}

// Runs a walk on a thread with the default 1 MiB stack, as the scan worker does.
ULONGLONG MeasureOnWorkerStack(const std::wstring& path) {
    struct Job {
        std::wstring path;
        ULONGLONG size = 0;
    } job{path};
    auto run = [](void* parameter) -> DWORD {
        auto* j = static_cast<Job*>(parameter);
        j->size = CFolderTreeView::GetFolderSize(j->path.c_str(), nullptr);
        return 0;
    };
    fw::KernelHandle thread(::CreateThread(nullptr, 1 << 20, run, &job,
                                           STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
    EXPECT_TRUE(thread);
    if (!thread) return 0;
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(thread.Get(), 60000));
    DWORD exitCode = 1;
    ::GetExitCodeThread(thread.Get(), &exitCode);
    EXPECT_EQ(0u, exitCode);
    return job.size;
}

bool RunsUnderWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// A walk that kept its state on the stack needed about 24 KB per level and overflowed a
// 1 MiB stack about 40 levels down; this one keeps it on the heap. Wine's directory query
// slows with depth (2,000 levels take about three and a half minutes there, past the test
// time-out), so under Wine the test goes ten times past the old limit instead.
TEST(FolderSize, DeepTreeOnAOneMebibyteStack) {
    const int levels = RunsUnderWine() ? 400 : 2000;
    FixtureTree drive(L'T');  // a short path, also on the Unix side under Wine
    const std::wstring top = drive.Folder(L"d");
    // A file of n bytes at every hundredth level n.
    ASSERT_TRUE(folder_tests::MakeFolderChain(
        top, L"a", levels, [](int level) -> size_t { return level % 100 ? 0 : level / 100; }));
    const ULONGLONG hundreds = static_cast<ULONGLONG>(levels / 100);
    EXPECT_EQ(hundreds * (hundreds + 1) / 2, MeasureOnWorkerStack(top));
    // Removed here: the fixture's own removal recurses once per level.
    folder_tests::RemoveFolderChain(top, L"a");
}

TEST(FolderSize, ChildPathsLongerThan4095CharactersCountZero) {
    FixtureTree drive(L'T');
    drive.File(L"L\\a", 1);
    drive.File(L"L\\abcdefgh", 10);
    drive.File(L"L\\sub\\f", 100);
    drive.File(L"L\\longname\\f", 1000);
    // Doubled separators are accepted when opening, so a short folder can have a long path:
    // the top path has 4,090 characters, T:\\...\\L.
    const std::wstring top = L"T:" + std::wstring(4087, L'\\') + L"L";
    ASSERT_EQ(4090u, top.size());
    // T:\...\L\a (4,092) counts; T:\...\L\abcdefgh (4,099) does not; sub (4,094) is entered
    // but its sub\f (4,096) does not count; longname (4,099) is not entered.
    EXPECT_EQ(1u, CFolderTreeView::GetFolderSize(top.c_str(), nullptr));
    // The same folder through a short path counts everything.
    EXPECT_EQ(1111u, CFolderTreeView::GetFolderSize(L"T:\\\\L", nullptr));
}

struct LoopCase {
    const char* name;
    const wchar_t* start;
    ULONGLONG expectedBytes;
};
void PrintTo(const LoopCase& c, std::ostream* os) { *os << c.name; }

class FolderSizeThroughLinks : public ::testing::TestWithParam<LoopCase> {};

// root: a\five (5), a\up -> .. (root), b\three (3), alias -> b
TEST_P(FolderSizeThroughLinks, LoopsEndAndOtherLinksCountTheirTarget) {
    FixtureTree fixture;
    fixture.File(L"a\\five", 5);
    fixture.File(L"b\\three", 3);
    if (!folder_tests::CreateDirectoryLink(fixture.Path(L"a\\up"), L"..") ||
        !folder_tests::CreateDirectoryLink(fixture.Path(L"alias"), L"b"))
        GTEST_SKIP() << "this system cannot make directory links";
    const std::wstring start = fixture.Path(GetParam().start);
    EXPECT_EQ(GetParam().expectedBytes, MeasureOnWorkerStack(start)) << GetParam().start;
    folder_tests::EmptyFolderLiterally(fixture.Root());
}

INSTANTIATE_TEST_SUITE_P(
    Links, FolderSizeThroughLinks,
    ::testing::Values(
        // a\up is the root itself: it counts 0; alias counts b once more.
        LoopCase{"FromRoot", L"", 5 + 0 + 3 + 3},
        // From a, a\up is not an ancestor: root is walked, but its a (the start) counts 0.
        LoopCase{"FromInsideTheLoop", L"a", 5 + (0 + 3 + 3)},
        // A link that does not loop is entered like a folder.
        LoopCase{"ThroughALinkThatDoesNotLoop", L"alias", 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FolderSize, StopRequestEndsTheWalkBeforeTheNextDirectory) {
    FixtureTree fixture;
    fixture.File(L"a\\f", 1);
    fixture.File(L"b\\f", 10);
    fixture.File(L"c\\f", 100);

    dirvista::FolderWalkControl control;
    fw::KernelHandle reached(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    fw::KernelHandle release(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::atomic<int> entered{0};
    control.onEnterDirectory = [&](const wchar_t*) {
        if (++entered == 2) {  // the first subfolder: hold the walk there
            ::SetEvent(reached.Get());
            ::WaitForSingleObject(release.Get(), 10000);
        }
    };
    struct Job {
        std::wstring path;
        dirvista::FolderWalkControl* control;
        ULONGLONG size = 1;
    } job{fixture.Root(), &control};
    auto run = [](void* parameter) -> DWORD {
        auto* j = static_cast<Job*>(parameter);
        j->size = CFolderTreeView::GetFolderSize(j->path.c_str(), nullptr, j->control);
        return 0;
    };
    fw::KernelHandle thread(::CreateThread(nullptr, 0, run, &job, 0, nullptr));
    ASSERT_TRUE(thread);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(reached.Get(), 10000));
    control.RequestStop();
    ::SetEvent(release.Get());
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(thread.Get(), 10000));
    EXPECT_EQ(0u, job.size);
    EXPECT_EQ(2, entered.load());
}

}  // namespace
