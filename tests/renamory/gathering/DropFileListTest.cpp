#include <gtest/gtest.h>

#include "renamory/gathering/DropFileList.h"
#include "renamory/gathering/ShellFileInfoCache.h"
#include "support/Fixture.h"

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Block(bool wide, const std::vector<std::string>& paths, bool terminated = true) {
    std::vector<unsigned char> bytes(sizeof(DROPFILES), 0);
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = wide;
    std::memcpy(bytes.data(), &header, sizeof(header));
    for (const auto& path : paths) {
        for (char c : path) {
            bytes.push_back(static_cast<unsigned char>(c));
            if (wide) bytes.push_back(0);
        }
        bytes.insert(bytes.end(), wide ? 2 : 1, 0);
    }
    if (terminated) bytes.insert(bytes.end(), wide ? 2 : 1, 0);
    else bytes.resize(bytes.size() - (wide ? 2 : 1));  // the last path loses its zero too
    return bytes;
}

std::vector<std::wstring> Wide(const std::vector<std::string>& paths) {
    std::vector<std::wstring> out;
    for (const auto& p : paths) out.emplace_back(p.begin(), p.end());
    return out;
}

// The same paths as DragQueryFileW with a 260-character buffer gives, index by index.
std::vector<std::wstring> ThroughDragQueryFile(const std::vector<unsigned char>& bytes) {
    HGLOBAL block = ::GlobalAlloc(GHND, bytes.size());
    std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
    ::GlobalUnlock(block);
    std::vector<std::wstring> paths;
    auto drop = static_cast<HDROP>(::GlobalLock(block));
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        wchar_t buffer[MAX_PATH] = {};
        ::DragQueryFileW(drop, i, buffer, MAX_PATH);
        paths.emplace_back(buffer);
    }
    ::GlobalUnlock(block);
    ::GlobalFree(block);
    return paths;
}

TEST(DropFileList, GivesWhatDragQueryFileGivesInOnePass) {
    const std::string longPath = "C:\\" + std::string(300, 'x');
    struct Case {
        const char* name;
        bool wide;
        std::vector<std::string> paths;
    };
    const Case cases[] = {
        {"wide paths", true, {"C:\\a.txt", "D:\\folder\\b c.doc", "E:\\"}},
        {"ANSI paths", false, {"C:\\a.txt", "C:\\b.txt"}},
        {"a path longer than 259 characters", true, {longPath, "C:\\after.txt"}},
        {"an ANSI path longer than 259 characters", false, {longPath}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = Block(c.wide, c.paths);
        const auto read = ReadDropFileList(bytes.data(), bytes.size());
        EXPECT_EQ(ThroughDragQueryFile(bytes), read);
        for (const auto& path : read) EXPECT_LE(path.size(), 259u);
    }
}

TEST(DropFileList, NeverReadsPastTheBlock) {
    // (Wine's DragQueryFileW reads past an empty list and reports two garbage paths.)
    const auto empty = Block(true, {});
    EXPECT_TRUE(ReadDropFileList(empty.data(), empty.size()).empty());
    const auto cut = Block(true, {"C:\\a.txt", "C:\\unterminated"}, false);
    EXPECT_EQ(Wide({"C:\\a.txt", "C:\\unterminated"}), ReadDropFileList(cut.data(), cut.size()));
    const auto header = Block(true, {});
    EXPECT_TRUE(ReadDropFileList(header.data(), 10).empty());
    DROPFILES wrong{};
    wrong.pFiles = 5000;
    wrong.fWide = TRUE;
    EXPECT_TRUE(ReadDropFileList(&wrong, sizeof(wrong)).empty());
    EXPECT_TRUE(ReadDropFileList(nullptr, 0).empty());
}

// --- the shell's facts, asked once per kind of file ---

struct ShellCalls {
    static inline std::vector<std::pair<std::wstring, UINT>> calls;
    static DWORD_PTR Record(const wchar_t* path, DWORD attributes, SHFILEINFOW* info, UINT, UINT flags) {
        calls.emplace_back(path, flags);
        *info = SHFILEINFOW{};
        info->iIcon = static_cast<int>(calls.size());
        // As the shell does: hidden items are ghosted.
        const DWORD fileAttributes = (flags & SHGFI_USEFILEATTRIBUTES) ? attributes : ::GetFileAttributesW(path);
        if (fileAttributes != INVALID_FILE_ATTRIBUTES && (fileAttributes & FILE_ATTRIBUTE_HIDDEN))
            info->dwAttributes = SFGAO_GHOSTED;
        return 1;
    }
};

TEST(ShellFileInfoCache, AsksOncePerExtensionAndAttributesAndOneByOneWhereIconsAreTheFilesOwn) {
    testing_support::FixtureTree tree;
    const std::wstring a = tree.File(L"a.txt"), b = tree.File(L"B.TXT"), hidden = tree.File(L"h.txt");
    ::SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    const std::wstring program1 = tree.File(L"one.exe"), program2 = tree.File(L"two.exe");
    const std::wstring folder = tree.Folder(L"sub"), missing = tree.Path(L"missing.txt");

    ShellCalls::calls.clear();
    CShellFileInfoCache cache(&ShellCalls::Record);
    const auto factsA = cache.Get(a);
    const auto factsB = cache.Get(b);
    const auto factsHidden = cache.Get(hidden);
    cache.Get(program1);
    cache.Get(program2);
    cache.Get(folder);
    cache.Get(folder);
    cache.Get(missing);

    EXPECT_EQ(factsA.icon, factsB.icon);
    EXPECT_EQ(0u, factsA.attributes & SFGAO_GHOSTED);
    EXPECT_EQ(static_cast<DWORD>(SFGAO_GHOSTED), factsHidden.attributes & SFGAO_GHOSTED);
    const UINT base = SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME;
    const std::vector<std::pair<std::wstring, UINT>> expected = {
        {a, base | SHGFI_USEFILEATTRIBUTES}, {hidden, base | SHGFI_USEFILEATTRIBUTES},
        {program1, base}, {program2, base}, {folder, base}, {folder, base}, {missing, base}};
    EXPECT_EQ(expected, ShellCalls::calls);
}

}  // namespace
