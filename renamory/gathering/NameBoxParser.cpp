#include "renamory/gathering/NameBoxParser.h"

std::wstring FolderPrefix(const std::wstring& currentFolder) {
    if (!currentFolder.empty() && currentFolder.back() == L'\\') return currentFolder;
    return currentFolder + L'\\';
}

std::vector<std::wstring> ParseNameBox(const std::wstring& prefix, const std::wstring& text) {
    std::vector<std::wstring> paths;
    if (text.find(L'"') == std::wstring::npos) {
        paths.push_back(prefix + text);
        return paths;
    }
    std::wstring name;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'"') {
            if (!name.empty()) paths.push_back(prefix + name);
            name.clear();
            continue;
        }
        // Only the first space after a quote separates; a second one belongs to the text.
        if (c == L' ' && i > 0 && text[i - 1] == L'"') continue;
        name += c;
    }
    return paths;
}
