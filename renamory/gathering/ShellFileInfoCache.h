#pragma once
// The shell's icon index and attributes of dropped files, asked once per kind of file.
//
// SHGetFileInfoW on a path parses it into a shell item, which reads the folder: under Wine a
// single call costs milliseconds in a folder of thousands of files, so a drop of 10,000 files
// from such a folder would spend minutes there. For an ordinary file the answer depends only
// on its extension and its file attributes, so the shell is asked once per (extension,
// attributes) with SHGFI_USEFILEATTRIBUTES. Folders, paths that cannot be read and the types
// whose icon is in the file itself (programs, icons, shortcuts...) are still asked one by one.
#include "framework/Win32.h"

#include <shellapi.h>

#include <map>
#include <string>
#include <utility>

class CShellFileInfoCache {
public:
    using FileInfoFunction = DWORD_PTR (*)(const wchar_t* path, DWORD attributes, SHFILEINFOW* info,
                                           UINT size, UINT flags);
    static DWORD_PTR SystemFileInfo(const wchar_t* path, DWORD attributes, SHFILEINFOW* info, UINT size,
                                    UINT flags) {
        return ::SHGetFileInfoW(path, attributes, info, size, flags);
    }

    explicit CShellFileInfoCache(FileInfoFunction query = &SystemFileInfo) : m_query(query) {}

    struct Facts {
        int icon = 0;
        DWORD attributes = 0;  // SFGAO_ flags
    };
    // What SHGetFileInfoW(path, 0, ..., SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME)
    // reports of the path's icon and attributes.
    Facts Get(const std::wstring& path);

private:
    Facts Ask(const std::wstring& path, DWORD fileAttributes, UINT extraFlags) const;

    FileInfoFunction m_query;
    std::map<std::pair<std::wstring, DWORD>, Facts> m_byKind;
};
