#include "renamory/engine/PatternExpansion.h"
#include <array>
#include <cwchar>
#include <utility>

namespace renamory {

namespace {

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

size_t DecimalLength(size_t value) {
    size_t count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

// "a.b.c" without padding, as [DATE] and [TIME] show it.
size_t PutDotted(unsigned a, unsigned b, unsigned c, wchar_t* out) {
    size_t length = PutDecimal(a, out);
    out[length++] = L'.';
    length += PutDecimal(b, out + length);
    out[length++] = L'.';
    length += PutDecimal(c, out + length);
    return length;
}

}  // namespace

NTSTATUS PatternExpansion::Expand(const PathList& source, std::span<const NameSpan> names,
                                  std::wstring_view pattern, EngineClock& clock) {
    // Both spellings of every token; the comparison is exact, so [Name] stays literal text.
    static constexpr std::array<std::pair<std::wstring_view, Kind>, 10> kTokens{{
        {L"[COUNT]", Kind::Count}, {L"[count]", Kind::Count},
        {L"[DATE]", Kind::Date},   {L"[date]", Kind::Date},
        {L"[TIME]", Kind::Time},   {L"[time]", Kind::Time},
        {L"[RAND]", Kind::Rand},   {L"[rand]", Kind::Rand},
        {L"[NAME]", Kind::Name},   {L"[name]", Kind::Name},
    }};

    m_source = &source;
    m_names = names;
    m_pieces.clear();
    m_lengths.clear();

    size_t start = 0;  // where the pending literal run begins
    size_t i = 0;
    while (i < pattern.size()) {
        const std::pair<std::wstring_view, Kind>* token = nullptr;
        if (pattern[i] == L'[') {
            for (const auto& spelling : kTokens) {
                if (pattern.substr(i).starts_with(spelling.first)) {
                    token = &spelling;
                    break;
                }
            }
        }
        if (!token) {
            ++i;
            continue;
        }
        if (i > start) {
            Piece literal;
            literal.literal = pattern.substr(start, i - start);
            if (NTSTATUS status = AddPiece(std::move(literal), clock); status != STATUS_SUCCESS) {
                return status;
            }
        }
        Piece piece;
        piece.kind = token->second;
        if (NTSTATUS status = AddPiece(std::move(piece), clock); status != STATUS_SUCCESS) {
            return status;
        }
        i += token->first.size();
        start = i;
    }
    if (start < pattern.size()) {
        Piece literal;
        literal.literal = pattern.substr(start);
        return AddPiece(std::move(literal), clock);
    }
    return STATUS_SUCCESS;
}

// Appends one piece to every file's new name, in file order. The first piece makes the
// names and is taken without a length test (a piece alone never passes 259 units); a later
// one may not bring a name to 259 units, which keeps room for the folder in the join.
NTSTATUS PatternExpansion::AddPiece(Piece piece, EngineClock& clock) {
    const size_t fileCount = m_names.size();
    switch (piece.kind) {
    case Kind::Rand:
        // Reseeded at every occurrence, then drawn once per file in file order.
        clock.SeedRandom(static_cast<unsigned>(clock.CalendarTime()));
        piece.randoms.reserve(fileCount);
        break;
    case Kind::Date: {
        const SYSTEMTIME now = clock.LocalTime();
        piece.textLength = PutDotted(now.wDay, now.wMonth, now.wYear, piece.text);
        break;
    }
    case Kind::Time: {
        const SYSTEMTIME now = clock.LocalTime();
        piece.textLength = PutDotted(now.wHour, now.wMinute, now.wSecond, piece.text);
        break;
    }
    default:
        break;
    }

    const bool first = m_pieces.empty();
    if (first) {
        m_lengths.resize(fileCount);
    }
    for (size_t i = 0; i < fileCount; ++i) {
        if (piece.kind == Kind::Rand) {
            piece.randoms.push_back(
                static_cast<uint16_t>(static_cast<unsigned>(clock.NextRandom()) % 10000u));
        }
        const size_t length = PieceLength(piece, i);
        if (first) {
            m_lengths[i] = static_cast<uint16_t>(length);
        } else if (m_lengths[i] + length + 1 >= kPathBufferUnits) {
            return STATUS_UNSUCCESSFUL;
        } else {
            m_lengths[i] = static_cast<uint16_t>(m_lengths[i] + length);
        }
    }
    m_pieces.push_back(std::move(piece));
    return STATUS_SUCCESS;
}

size_t PatternExpansion::PieceLength(const Piece& piece, size_t index) const {
    switch (piece.kind) {
    case Kind::Literal:
        return piece.literal.size();
    case Kind::Name:
        return m_names[index].length;
    case Kind::Count:
        return DecimalLength(index + 1);
    case Kind::Rand:
        return DecimalLength(piece.randoms[index]);
    case Kind::Date:
    case Kind::Time:
        return piece.textLength;
    }
    return 0;
}

size_t PatternExpansion::WriteName(size_t index, wchar_t* out) const {
    size_t length = 0;
    for (const Piece& piece : m_pieces) {
        switch (piece.kind) {
        case Kind::Literal:
            std::wmemcpy(out + length, piece.literal.data(), piece.literal.size());
            length += piece.literal.size();
            break;
        case Kind::Name: {
            const std::wstring_view name = Name(index);
            std::wmemcpy(out + length, name.data(), name.size());
            length += name.size();
            break;
        }
        case Kind::Count:
            length += PutDecimal(static_cast<unsigned>(index + 1), out + length);
            break;
        case Kind::Rand:
            length += PutDecimal(piece.randoms[index], out + length);
            break;
        case Kind::Date:
        case Kind::Time:
            std::wmemcpy(out + length, piece.text, piece.textLength);
            length += piece.textLength;
            break;
        }
    }
    return length;
}

}  // namespace renamory
