#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include "renamory/engine/SplitPath.h"
#include "tests/renamory/engine/PathListHelpers.h"

namespace renamory {
namespace {

struct SplitCase {
    const wchar_t* path;
    const wchar_t* folder;
    const wchar_t* name;
    const wchar_t* extension;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << test::Narrow(c.path); }
};

class SplitPathCases : public ::testing::TestWithParam<SplitCase> {};

// Outputs that SplitPath leaves alone keep this text.
constexpr const wchar_t* kUntouched = L"untouched";

void Fill(wchar_t* buffer, std::wstring_view text) {
    text.copy(buffer, text.size());
    buffer[text.size()] = L'\0';
}

TEST_P(SplitPathCases, SplitsIntoFolderNameExtension) {
    const SplitCase& c = GetParam();
    wchar_t name[kPathBufferUnits];
    wchar_t folder[kPathBufferUnits];
    wchar_t extension[kPathBufferUnits];
    Fill(name, kUntouched);
    Fill(folder, kUntouched);
    Fill(extension, kUntouched);
    ASSERT_EQ(STATUS_SUCCESS, SplitPath(c.path, name, folder, extension)) << c.path;
    EXPECT_STREQ(c.folder, folder) << c.path;
    EXPECT_STREQ(c.name, name) << c.path;
    EXPECT_STREQ(c.extension, extension) << c.path;

    // The positions agree with the buffers.
    const std::wstring_view path(c.path);
    const PathSplit split = SplitPathParts(path);
    EXPECT_EQ(std::wstring_view(c.folder), path.substr(0, split.folderLength)) << c.path;
    if (split.hasBackslash) {
        EXPECT_EQ(std::wstring_view(c.name), path.substr(split.folderLength, split.nameLength));
        EXPECT_EQ(std::wstring_view(c.extension),
                  path.substr(split.folderLength + split.nameLength, split.extensionLength));
        EXPECT_EQ(path.size(), split.folderLength + split.nameLength + split.extensionLength);
    } else {
        EXPECT_STREQ(kUntouched, c.name) << c.path;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitPathCases,
    ::testing::Values(
        SplitCase{L"C:\\a\\report.final.docx", L"C:\\a\\", L"report.final", L".docx"},
        SplitCase{L"C:\\a\\.profile", L"C:\\a\\", L"", L".profile"},
        SplitCase{L"C:\\a\\file.", L"C:\\a\\", L"file", L"."},
        SplitCase{L"C:\\Temp\\README", L"C:\\Temp\\", L"README", L""},
        // A dot in a folder name is never an extension.
        SplitCase{L"C:\\my.dir\\README", L"C:\\my.dir\\", L"README", L""},
        SplitCase{L"C:\\Data\\my.dir", L"C:\\Data\\", L"my", L".dir"},
        SplitCase{L"C:\\", L"C:\\", L"", L""},
        SplitCase{L"\\x.y", L"\\", L"x", L".y"},
        // Without a backslash only the folder is written: the string cut at its last dot.
        SplitCase{L"notes.old.txt", L"notes.old", kUntouched, kUntouched},
        SplitCase{L"plain", L"plain", kUntouched, kUntouched},
        SplitCase{L"", L"", kUntouched, kUntouched}));

TEST(SplitPath, FolderNameAndExtensionRebuildThePath) {
    for (const wchar_t* path : {L"C:\\a.b\\c.d.e", L"\\\\server\\share\\x", L"C:\\..\\..", L"D:\\x\\y."}) {
        wchar_t name[kPathBufferUnits]{}, folder[kPathBufferUnits]{}, extension[kPathBufferUnits]{};
        ASSERT_EQ(STATUS_SUCCESS, SplitPath(path, name, folder, extension));
        EXPECT_EQ(std::wstring(path), std::wstring(folder) + name + extension);
    }
}

TEST(SplitPath, RefusesMissingArgumentsAndOverlongPaths) {
    wchar_t a[kPathBufferUnits], b[kPathBufferUnits], c[kPathBufferUnits];
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), SplitPath(nullptr, a, b, c));
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), SplitPath(L"C:\\x", nullptr, b, c));
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), SplitPath(L"C:\\x", a, nullptr, c));
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), SplitPath(L"C:\\x", a, b, nullptr));

    // 259 units fit the 260-unit outputs; 260 would not.
    const std::wstring longest = L"C:\\" + std::wstring(256, L'n');
    EXPECT_EQ(STATUS_SUCCESS, SplitPath(longest.c_str(), a, b, c));
    EXPECT_EQ(256u, std::wstring(a).size());
    const std::wstring tooLong = longest + L"n";
    EXPECT_EQ(NTSTATUS(STATUS_INVALID_PARAMETER), SplitPath(tooLong.c_str(), a, b, c));
}

}  // namespace
}  // namespace renamory
