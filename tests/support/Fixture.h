#pragma once
// Fixture trees made by a test: a unique folder under %TEMP%, or the root of one of the
// drive letters the test prefix maps to an empty folder (R: to V:, see prefix-setup.sh).
#include "framework/Win32.h"

#include <string>

namespace testing_support {

class FixtureTree {
public:
    // A fresh, empty, uniquely named folder under %TEMP%.
    FixtureTree();
    // The root of a mapped drive ('R' to 'V'), emptied first. Tests that use a drive hold a
    // ctest resource lock, so no other test uses it at the same time.
    explicit FixtureTree(wchar_t driveLetter);
    ~FixtureTree();
    FixtureTree(const FixtureTree&) = delete;
    FixtureTree& operator=(const FixtureTree&) = delete;

    // The root without a trailing backslash ("C:\users\...\tmp\fx-1234" or "T:").
    const std::wstring& Root() const { return m_root; }
    // Root + "\" + relative.
    std::wstring Path(const std::wstring& relative) const;

    // Creates a folder (and its parents) below the root; returns its full path.
    std::wstring Folder(const std::wstring& relative) const;
    // Creates a file of `size` bytes (parents too); returns its full path.
    std::wstring File(const std::wstring& relative, size_t size = 0) const;
    // Creates a file with the given bytes.
    std::wstring FileWithText(const std::wstring& relative, const std::string& bytes) const;
    bool Exists(const std::wstring& relative) const;

private:
    std::wstring m_root;
    bool m_bOwnsRoot = true;
};

// Deletes a folder and everything below it (without following links).
void DeleteTree(const std::wstring& path);
// Deletes everything inside a folder, leaving the folder.
void EmptyFolder(const std::wstring& path);

}  // namespace testing_support
