#include "renamory/gathering/DropFileList.h"

#include "renamory/gathering/DragImageHelper.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kMaxPathCharacters = MAX_PATH - 1;

std::wstring Cut(std::wstring path) {
    if (path.size() > kMaxPathCharacters) path.resize(kMaxPathCharacters);
    return path;
}

std::wstring FromAnsi(const char* text, size_t length) {
    if (length == 0) return {};
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0);
    std::wstring out(static_cast<size_t>(std::max(wide, 0)), L'\0');
    if (wide > 0) ::MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), out.data(), wide);
    return out;
}

}  // namespace

std::vector<std::wstring> ReadDropFileList(const void* block, size_t bytes) {
    std::vector<std::wstring> paths;
    if (!block || bytes < sizeof(shell::DropFilesHeader)) return paths;
    shell::DropFilesHeader header{};
    std::memcpy(&header, block, sizeof(header));
    if (header.pFiles >= bytes) return paths;
    const auto* start = static_cast<const unsigned char*>(block) + header.pFiles;
    const size_t available = bytes - header.pFiles;

    if (header.fWide) {
        const size_t count = available / sizeof(wchar_t);
        std::vector<wchar_t> text(count);
        std::memcpy(text.data(), start, count * sizeof(wchar_t));
        for (size_t at = 0; at < count && text[at] != L'\0';) {
            const size_t end = std::find(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), L'\0') - text.begin();
            paths.push_back(Cut(std::wstring(text.data() + at, end - at)));
            at = end + 1;
        }
    } else {
        const auto* text = reinterpret_cast<const char*>(start);
        for (size_t at = 0; at < available && text[at] != '\0';) {
            size_t end = at;
            while (end < available && text[end] != '\0') ++end;
            paths.push_back(Cut(FromAnsi(text + at, end - at)));
            at = end + 1;
        }
    }
    return paths;
}
