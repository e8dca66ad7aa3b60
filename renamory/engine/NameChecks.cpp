#include "renamory/engine/NameChecks.h"
#include <array>
#include <string>
#include "renamory/engine/SplitPath.h"

namespace renamory {

namespace {

wchar_t ToUpperAscii(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool EqualsIgnoringAsciiCase(std::wstring_view text, std::wstring_view upper) {
    if (text.size() != upper.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (ToUpperAscii(text[i]) != upper[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsValidPattern(std::wstring_view pattern) {
    return pattern.find_first_of(L"\\/:*<>|?") == std::wstring_view::npos;
}

bool IsReservedName(std::wstring_view name) {
    if (name.size() == 4 && name[3] >= L'1' && name[3] <= L'9') {
        const std::wstring_view stem = name.substr(0, 3);
        return EqualsIgnoringAsciiCase(stem, L"COM") || EqualsIgnoringAsciiCase(stem, L"LPT");
    }
    constexpr std::array<std::wstring_view, 4> kDevices{L"CON", L"PRN", L"AUX", L"NUL"};
    for (std::wstring_view device : kDevices) {
        if (EqualsIgnoringAsciiCase(name, device)) {
            return true;
        }
    }
    return false;
}

bool IsNameStoredAsIs(std::wstring_view fileName) {
    // "." and ".." end in a dot as well.
    return fileName.empty() || (fileName.back() != L'.' && fileName.back() != L' ');
}

bool CheckReservedNames(const PathList& paths) {
    for (std::wstring_view path : paths) {
        const PathSplit split = SplitPathParts(path);
        const std::wstring_view name = path.substr(split.folderLength, split.nameLength);
        if (IsReservedName(name)) {
            return false;
        }
        // The file name is name + extension, and only its end decides.
        const std::wstring_view fileName = path.substr(split.folderLength);
        if (split.hasBackslash && !IsNameStoredAsIs(fileName)) {
            return false;
        }
    }
    return true;
}

}  // namespace renamory
