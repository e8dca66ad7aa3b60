#include "FolderFixtures.h"

#include "framework/Handles.h"
#include "support/Pump.h"

#include <winternl.h>

namespace folder_tests {

namespace {

bool IsDirectoryLink(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The Unix path of a Windows path under Wine; empty elsewhere.
std::wstring UnixPathOf(const std::wstring& path) {
    using GetUnixFileName = char*(CDECL*)(const wchar_t*);
    auto getUnixFileName = reinterpret_cast<GetUnixFileName>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    if (!getUnixFileName) return {};
    char* unixPath = getUnixFileName(path.c_str());
    if (!unixPath) return {};
    std::wstring result;
    for (const char* c = unixPath; *c; ++c) result += static_cast<wchar_t>(*c);  // ASCII fixtures
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return result;
}

// Wine runs a Unix program named by CreateProcessW in a forked process of its own, which
// cannot be waited for through its handle: callers wait for its effect instead.
bool StartUnixTool(const std::wstring& tool, std::wstring commandLine) {
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    const std::wstring program = L"Z:\\bin\\" + tool;
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process))
        return false;
    fw::KernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    return true;
}

using NtCreateFileFn = NTSTATUS(NTAPI*)(PHANDLE, ACCESS_MASK, POBJECT_ATTRIBUTES, PIO_STATUS_BLOCK,
                                        PLARGE_INTEGER, ULONG, ULONG, ULONG, ULONG, PVOID, ULONG);

// Opens or creates `name` inside the open folder `parent`, by name below the handle.
HANDLE OpenRelative(HANDLE parent, const std::wstring& name, ACCESS_MASK access, ULONG disposition,
                    ULONG options) {
    static const auto ntCreateFile = reinterpret_cast<NtCreateFileFn>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtCreateFile"));
    if (!ntCreateFile) return INVALID_HANDLE_VALUE;
    UNICODE_STRING objectName{};
    objectName.Buffer = const_cast<wchar_t*>(name.c_str());
    objectName.Length = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    objectName.MaximumLength = objectName.Length;
    OBJECT_ATTRIBUTES attributes{};
    attributes.Length = sizeof(attributes);
    attributes.RootDirectory = parent;
    attributes.ObjectName = &objectName;
    attributes.Attributes = 0x40;  // OBJ_CASE_INSENSITIVE
    IO_STATUS_BLOCK ioStatus{};
    HANDLE opened = nullptr;
    const NTSTATUS status = ntCreateFile(&opened, access | SYNCHRONIZE, &attributes, &ioStatus, nullptr,
                                         FILE_ATTRIBUTE_NORMAL,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         disposition, options | 0x20 /* synchronous */, nullptr, 0);
    return status == 0 ? opened : INVALID_HANDLE_VALUE;
}

constexpr ULONG kOpen = 1, kCreate = 2, kDirectoryFile = 0x1, kNonDirectoryFile = 0x40,
                kDeleteOnClose = 0x1000;
constexpr ACCESS_MASK kFolderAccess = FILE_LIST_DIRECTORY | FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY |
                                      FILE_TRAVERSE | DELETE;

bool WriteBytes(HANDLE file, size_t size) {
    const std::string bytes(size, 'x');
    DWORD written = 0;
    return size == 0 ||
           (::WriteFile(file, bytes.data(), static_cast<DWORD>(size), &written, nullptr) &&
            written == size);
}

}  // namespace

std::wstring Literal(const std::wstring& path) { return L"\\\\?\\" + path; }

bool MakeFile(const std::wstring& path, size_t size) {
    fw::FileHandle file(::CreateFileW(Literal(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteBytes(file.Get(), size);
}

bool MakeFolder(const std::wstring& path) {
    return ::CreateDirectoryW(Literal(path).c_str(), nullptr) != FALSE;
}

void EmptyFolderLiterally(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    fw::FindHandle find(::FindFirstFileW(Literal(folder + L"\\*").c_str(), &data));
    if (!find) return;
    std::vector<std::pair<std::wstring, DWORD>> entries;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") entries.emplace_back(folder + L"\\" + name, data.dwFileAttributes);
    } while (::FindNextFileW(find.Get(), &data));
    for (const auto& [path, attributes] : entries) {
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            RemoveDirectoryLink(path);
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            EmptyFolderLiterally(path);
            ::RemoveDirectoryW(Literal(path).c_str());
        } else {
            ::SetFileAttributesW(Literal(path).c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(Literal(path).c_str());
        }
    }
}

bool CreateDirectoryLink(const std::wstring& link, const std::wstring& relativeTarget) {
    constexpr DWORD kAllowUnprivileged = 0x2;  // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
    ::CreateSymbolicLinkW(link.c_str(), relativeTarget.c_str(),
                          SYMBOLIC_LINK_FLAG_DIRECTORY | kAllowUnprivileged);
    if (IsDirectoryLink(link)) return true;
    const std::wstring unixLink = UnixPathOf(link);
    if (unixLink.empty() || !StartUnixTool(L"ln", L"ln -s " + relativeTarget + L" " + unixLink))
        return false;
    return testing_support::PumpUntil([&] { return IsDirectoryLink(link); }, 10000);
}

bool RemoveDirectoryLink(const std::wstring& link) {
    const std::wstring unixLink = UnixPathOf(link);
    if (unixLink.empty()) return ::RemoveDirectoryW(link.c_str()) != FALSE;
    if (!StartUnixTool(L"rm", L"rm -f " + unixLink)) return false;
    // The target still exists, so the link is gone once nothing is found at its path.
    return testing_support::PumpUntil(
        [&] { return ::GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES; }, 10000);
}

bool MakeFolderChain(const std::wstring& parent, const std::wstring& name, int levels,
                     size_t (*fileSizeAt)(int level)) {
    fw::FileHandle current(::CreateFileW(Literal(parent).c_str(), kFolderAccess | SYNCHRONIZE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!current) return false;
    for (int level = 1; level <= levels; ++level) {
        fw::FileHandle next(OpenRelative(current.Get(), name, kFolderAccess, kCreate, kDirectoryFile));
        if (!next) return false;
        if (const size_t size = fileSizeAt(level)) {
            fw::FileHandle file(OpenRelative(next.Get(), L"f", GENERIC_WRITE, kCreate, kNonDirectoryFile));
            if (!file || !WriteBytes(file.Get(), size)) return false;
        }
        current = std::move(next);
    }
    return true;
}

void RemoveFolderChain(const std::wstring& parent, const std::wstring& name) {
    std::vector<fw::FileHandle> chain;
    chain.emplace_back(::CreateFileW(Literal(parent).c_str(), kFolderAccess | SYNCHRONIZE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    while (chain.back()) chain.emplace_back(OpenRelative(chain.back().Get(), name, kFolderAccess, kOpen, kDirectoryFile));
    chain.pop_back();  // the open that found no further level
    while (chain.size() > 1) {
        fw::FileHandle file(OpenRelative(chain.back().Get(), L"f", DELETE, kOpen,
                                         kNonDirectoryFile | kDeleteOnClose));
        file.Reset();
        FILE_DISPOSITION_INFO dispose{TRUE};
        ::SetFileInformationByHandle(chain.back().Get(), FileDispositionInfo, &dispose, sizeof(dispose));
        chain.pop_back();
    }
}

}  // namespace folder_tests
