#include "dirvista/folders/FolderPaths.h"

namespace dirvista {

namespace {

std::wstring_view WithoutTrailingSeparator(std::wstring_view path) {
    if (path.size() >= 2 && path.back() == L'\\' && path[path.size() - 2] != L':')
        path.remove_suffix(1);
    return path;
}

// True when a name of the path ends in a dot or a space, which Win32 parsing would drop.
bool HasNameThatParsingAlters(std::wstring_view path) {
    for (size_t i = 0; i < path.size(); ++i) {
        const wchar_t c = path[i];
        const bool nameEnds = i + 1 == path.size() || path[i + 1] == L'\\';
        if (nameEnds && (c == L'.' || c == L' ')) return true;
    }
    return false;
}

}  // namespace

std::wstring MakeDevicePath(std::wstring_view folderPath) {
    std::wstring device = L"\\\\.\\";
    device += WithoutTrailingSeparator(folderPath);
    return device;
}

std::wstring MakeOpenPath(std::wstring_view folderPath) {
    const std::wstring_view path = WithoutTrailingSeparator(folderPath);
    if (!HasNameThatParsingAlters(path)) return MakeDevicePath(folderPath);
    std::wstring literal = L"\\\\?\\";
    literal.reserve(literal.size() + path.size());
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == L'\\' && !literal.empty() && literal.back() == L'\\' && i > 0) continue;
        literal += path[i];
    }
    return literal;
}

}  // namespace dirvista
