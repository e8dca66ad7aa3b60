#include "renamory/engine/PatternEngine.h"
#include <array>
#include <cwchar>
#include <new>
#include <vector>
#include "renamory/engine/SplitPath.h"

namespace renamory {

namespace {

enum class Token { Name, Count, Rand, Date, Time };

struct TokenSpelling {
    std::wstring_view text;
    Token token;
};

// Both spellings of every token; the comparison is exact, so [Name] stays literal text.
constexpr std::array<TokenSpelling, 10> kTokens{{
    {L"[COUNT]", Token::Count}, {L"[count]", Token::Count},
    {L"[DATE]", Token::Date},   {L"[date]", Token::Date},
    {L"[TIME]", Token::Time},   {L"[time]", Token::Time},
    {L"[RAND]", Token::Rand},   {L"[rand]", Token::Rand},
    {L"[NAME]", Token::Name},   {L"[name]", Token::Name},
}};

const TokenSpelling* MatchToken(std::wstring_view rest) {
    if (rest.empty() || rest.front() != L'[') {
        return nullptr;
    }
    for (const TokenSpelling& spelling : kTokens) {
        if (rest.starts_with(spelling.text)) {
            return &spelling;
        }
    }
    return nullptr;
}

// Room for the longest text a number piece can need ("65535.65535.65535").
using NumberText = std::array<wchar_t, 32>;

size_t PutDecimal(unsigned value, wchar_t* out) {
    wchar_t digits[10];
    size_t count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (size_t i = 0; i < count; ++i) {
        out[i] = digits[count - 1 - i];
    }
    return count;
}

std::wstring_view FormatDecimal(unsigned value, NumberText& text) {
    return {text.data(), PutDecimal(value, text.data())};
}

// "a.b.c" without padding, as [DATE] and [TIME] show it.
std::wstring_view FormatDotted(unsigned a, unsigned b, unsigned c, NumberText& text) {
    size_t length = PutDecimal(a, text.data());
    text[length++] = L'.';
    length += PutDecimal(b, text.data() + length);
    text[length++] = L'.';
    length += PutDecimal(c, text.data() + length);
    return {text.data(), length};
}

// Appends one piece to every file's new name; pieceFor(i) gives file i's text. The first
// piece creates the entries without a length test (a piece alone never passes 259 units);
// later pieces may not bring a name to 259 units, which keeps room for the join.
template <class PieceFor>
NTSTATUS AppendPiece(size_t fileCount, PathList& newNames, PieceFor&& pieceFor) {
    if (newNames.IsEmpty()) {
        for (size_t i = 0; i < fileCount; ++i) {
            if (NTSTATUS status = newNames.Append(pieceFor(i)); status != STATUS_SUCCESS) {
                return status;
            }
        }
        return STATUS_SUCCESS;
    }
    for (size_t i = 0; i < fileCount; ++i) {
        const std::wstring_view piece = pieceFor(i);
        if (newNames[i].size() + piece.size() + 1 >= kPathBufferUnits) {
            return STATUS_UNSUCCESSFUL;
        }
        if (NTSTATUS status = newNames.Extend(i, piece); status != STATUS_SUCCESS) {
            return status;
        }
    }
    return STATUS_SUCCESS;
}

NTSTATUS AppendToken(Token token, const PathList& names, PathList& newNames,
                     EngineClock& clock) {
    const size_t fileCount = names.Size();
    NumberText text{};
    switch (token) {
    case Token::Name:
        return AppendPiece(fileCount, newNames,
                           [&](size_t i) { return std::wstring_view(names[i]); });
    case Token::Count:
        return AppendPiece(fileCount, newNames, [&](size_t i) {
            return FormatDecimal(static_cast<unsigned>(i + 1), text);
        });
    case Token::Rand:
        // Reseeded at every occurrence, then drawn once per file in list order.
        clock.SeedRandom(static_cast<unsigned>(clock.CalendarTime()));
        return AppendPiece(fileCount, newNames, [&](size_t) {
            return FormatDecimal(static_cast<unsigned>(clock.NextRandom()) % 10000u, text);
        });
    case Token::Date: {
        const SYSTEMTIME now = clock.LocalTime();
        const std::wstring_view date = FormatDotted(now.wDay, now.wMonth, now.wYear, text);
        return AppendPiece(fileCount, newNames, [&](size_t) { return date; });
    }
    case Token::Time: {
        const SYSTEMTIME now = clock.LocalTime();
        const std::wstring_view time = FormatDotted(now.wHour, now.wMinute, now.wSecond, text);
        return AppendPiece(fileCount, newNames, [&](size_t) { return time; });
    }
    }
    return STATUS_INVALID_PARAMETER;
}

NTSTATUS AppendLiteral(std::wstring_view literal, size_t fileCount, PathList& newNames) {
    return AppendPiece(fileCount, newNames, [&](size_t) { return literal; });
}

// Where SplitPath cut one path: the folder is its first folderLength units, the extension
// the extensionLength units from extensionStart.
struct PathCut {
    size_t folderLength;
    size_t extensionStart;
    size_t extensionLength;
};

}  // namespace

NTSTATUS ExpandPattern(const PathList& names, PathList& newNames, std::wstring_view pattern,
                       EngineClock& clock) {
    if (!newNames.IsEmpty() || pattern.size() > kMaxPathChars) {
        return STATUS_INVALID_PARAMETER;
    }
    const size_t fileCount = names.Size();
    size_t start = 0;  // where the pending literal run begins
    size_t i = 0;
    while (i < pattern.size()) {
        const TokenSpelling* match = MatchToken(pattern.substr(i));
        if (!match) {
            ++i;
            continue;
        }
        if (i > start) {
            if (NTSTATUS status = AppendLiteral(pattern.substr(start, i - start), fileCount,
                                                newNames);
                status != STATUS_SUCCESS) {
                return status;
            }
        }
        if (NTSTATUS status = AppendToken(match->token, names, newNames, clock);
            status != STATUS_SUCCESS) {
            return status;
        }
        i += match->text.size();
        start = i;
    }
    if (start < pattern.size()) {
        return AppendLiteral(pattern.substr(start), fileCount, newNames);
    }
    return STATUS_SUCCESS;
}

NTSTATUS BuildNewPaths(const PathList& currentPaths, PathList& newPaths,
                       std::wstring_view pattern, EngineClock& clock) {
    if (!newPaths.IsEmpty() || pattern.empty() || pattern.size() > kMaxPathChars) {
        return STATUS_INVALID_PARAMETER;
    }
    const size_t fileCount = currentPaths.Size();
    PathList names;
    PathList newNames;
    std::vector<PathCut> cuts;
    try {
        cuts.reserve(fileCount);
    } catch (const std::bad_alloc&) {
        return STATUS_NO_MEMORY;
    }
    names.Reserve(fileCount);
    newNames.Reserve(fileCount);

    for (const std::wstring& path : currentPaths) {
        wchar_t name[kPathBufferUnits] = {};
        wchar_t folder[kPathBufferUnits] = {};
        wchar_t extension[kPathBufferUnits] = {};
        if (NTSTATUS status = SplitPath(path.c_str(), name, folder, extension);
            status != STATUS_SUCCESS) {
            return status;
        }
        if (NTSTATUS status = names.Append(name); status != STATUS_SUCCESS) {
            return status;
        }
        // SplitPath reads up to the first zero, so the extension ends there too.
        const size_t extensionLength = std::wcslen(extension);
        const size_t extensionStart = std::wcslen(path.c_str()) - extensionLength;
        cuts.push_back({std::wcslen(folder), extensionStart, extensionLength});  // reserved
    }

    if (NTSTATUS status = ExpandPattern(names, newNames, pattern, clock);
        status != STATUS_SUCCESS) {
        return status;
    }

    newPaths.Reserve(fileCount);
    for (size_t i = 0; i < fileCount; ++i) {
        const std::wstring& path = currentPaths[i];
        const std::wstring_view newName = newNames[i];
        const PathCut cut = cuts[i];
        // The whole new path must fit a MAX_PATH buffer. One that does not fails the whole
        // build: a shorter list would pair later current paths with nothing.
        if (cut.folderLength + newName.size() + cut.extensionLength + 1 > kPathBufferUnits) {
            newPaths.Clear();
            return STATUS_UNSUCCESSFUL;
        }
        wchar_t joined[kPathBufferUnits];
        size_t length = 0;
        std::wmemcpy(joined, path.data(), cut.folderLength);
        length += cut.folderLength;
        std::wmemcpy(joined + length, newName.data(), newName.size());
        length += newName.size();
        std::wmemcpy(joined + length, path.data() + cut.extensionStart, cut.extensionLength);
        length += cut.extensionLength;
        if (NTSTATUS status = newPaths.Append({joined, length}); status != STATUS_SUCCESS) {
            newPaths.Clear();
            return status;
        }
    }
    return STATUS_SUCCESS;
}

}  // namespace renamory
