#include "support/Fixture.h"

#include <atomic>
#include <vector>

namespace testing_support {

namespace {
std::wstring TempRoot() {
    wchar_t buffer[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, buffer);
    std::wstring root = buffer;
    if (!root.empty() && root.back() == L'\\') root.pop_back();
    return root;
}

void CreateParents(const std::wstring& path) {
    for (size_t pos = path.find(L'\\', 3); pos != std::wstring::npos; pos = path.find(L'\\', pos + 1))
        ::CreateDirectoryW(path.substr(0, pos).c_str(), nullptr);
}
}  // namespace

FixtureTree::FixtureTree() {
    static std::atomic<unsigned> counter{0};
    const std::wstring base = TempRoot() + L"\\orvana-fx-" + std::to_wstring(::GetCurrentProcessId()) +
                              L"-" + std::to_wstring(::GetTickCount()) + L"-";
    for (;;) {
        m_root = base + std::to_wstring(counter++);
        if (::CreateDirectoryW(m_root.c_str(), nullptr)) break;
    }
}

FixtureTree::FixtureTree(wchar_t driveLetter) : m_bOwnsRoot(false) {
    m_root = std::wstring(1, driveLetter) + L":";
    EmptyFolder(m_root + L"\\");
}

FixtureTree::~FixtureTree() {
    if (m_bOwnsRoot) DeleteTree(m_root);
    else EmptyFolder(m_root + L"\\");
}

std::wstring FixtureTree::Path(const std::wstring& relative) const {
    return relative.empty() ? m_root : m_root + L"\\" + relative;
}

std::wstring FixtureTree::Folder(const std::wstring& relative) const {
    const std::wstring path = Path(relative);
    CreateParents(path + L"\\");
    return path;
}

std::wstring FixtureTree::File(const std::wstring& relative, size_t size) const {
    return FileWithText(relative, std::string(size, 'x'));
}

std::wstring FixtureTree::FileWithText(const std::wstring& relative, const std::string& bytes) const {
    const std::wstring path = Path(relative);
    CreateParents(path);
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        if (!bytes.empty())
            ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    return path;
}

bool FixtureTree::Exists(const std::wstring& relative) const {
    return ::GetFileAttributesW(Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Literal paths (\\?\): a name like "..." or "x." must not be normalised into another folder.
static std::wstring LiteralPath(const std::wstring& path) {
    if (path.size() >= 2 && path[1] == L':') return L"\\\\?\\" + path;
    return path;
}

void EmptyFolder(const std::wstring& folder) {
    std::wstring base = LiteralPath(folder);
    if (!base.empty() && base.back() != L'\\') base += L'\\';
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((base + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    std::vector<std::pair<std::wstring, DWORD>> entries;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") entries.emplace_back(base + name, data.dwFileAttributes);
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    for (const auto& [path, attributes] : entries) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            DeleteTree(path);
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            ::RemoveDirectoryW(path.c_str());  // a link: remove the link, not its target
        } else {
            ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(path.c_str());
        }
    }
}

void DeleteTree(const std::wstring& path) {
    EmptyFolder(path);
    ::RemoveDirectoryW(LiteralPath(path).c_str());
}

}  // namespace testing_support
