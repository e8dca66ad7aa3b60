#include "renamory/rename/RenameFailureReport.h"

#include "renamory/rename/RenameJob.h"

namespace renamory {

namespace {
// More lines would make the box taller than the screen.
constexpr size_t kListedFailures = 10;
}  // namespace

std::wstring SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result;
    if (length && text) result.assign(text, length);
    if (text) ::LocalFree(text);
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' '))
        result.pop_back();
    if (result.empty()) result = L"Error " + std::to_wstring(error);
    return result;
}

std::wstring FormatRenameFailures(const RenameJob& job) {
    const auto& failures = job.Failures();
    if (failures.empty()) return {};
    std::wstring text = L"Some items could not be renamed:";
    for (size_t i = 0; i < failures.size() && i < kListedFailures; ++i) {
        text += L'\n';
        text += job.CurrentPaths()[failures[i].index];
        text += L": ";
        text += SystemErrorText(failures[i].error);
    }
    if (failures.size() > kListedFailures)
        text += L"\nand " + std::to_wstring(failures.size() - kListedFailures) + L" more";
    return text;
}

}  // namespace renamory
