#include "renamory/gathering/ShellFileInfoCache.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace {

constexpr UINT kFlags = SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME;

// Types whose icon the shell takes from each file itself.
constexpr std::array<const wchar_t*, 10> kOwnIconTypes = {
    L".exe", L".ico", L".lnk", L".cur", L".ani", L".url", L".scr", L".cpl", L".pif", L".msc"};

std::wstring LowerExtension(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    const size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return {};
    std::wstring extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return extension;
}

}  // namespace

CShellFileInfoCache::Facts CShellFileInfoCache::Ask(const std::wstring& path, DWORD fileAttributes,
                                                    UINT extraFlags) const {
    SHFILEINFOW info{};
    m_query(path.c_str(), fileAttributes, &info, sizeof(info), kFlags | extraFlags);
    return Facts{info.iIcon, info.dwAttributes};
}

CShellFileInfoCache::Facts CShellFileInfoCache::Get(const std::wstring& path) {
    const DWORD fileAttributes = ::GetFileAttributesW(path.c_str());
    const std::wstring extension = LowerExtension(path);
    const bool ownIcon = std::find(kOwnIconTypes.begin(), kOwnIconTypes.end(), extension) != kOwnIconTypes.end();
    if (fileAttributes == INVALID_FILE_ATTRIBUTES || (fileAttributes & FILE_ATTRIBUTE_DIRECTORY) || ownIcon)
        return Ask(path, 0, 0);
    const auto key = std::make_pair(extension, fileAttributes);
    if (auto found = m_byKind.find(key); found != m_byKind.end()) return found->second;
    const Facts facts = Ask(path, fileAttributes, SHGFI_USEFILEATTRIBUTES);
    m_byKind.emplace(key, facts);
    return facts;
}
