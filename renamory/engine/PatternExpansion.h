#pragma once
// Engine-internal: one pattern expanded over a list of names (the rules are in
// PatternEngine.h). The pieces are applied across all files one after the other, as the
// pattern language demands, but only their lengths and the drawn random numbers are kept;
// each new name is written out once, at its final length, when the caller asks for it.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>
#include "renamory/engine/EngineClock.h"
#include "renamory/engine/EngineStatus.h"
#include "renamory/engine/PathList.h"

namespace renamory {

// Where a file's current name lies inside its entry of a path list. Entries are at most 259
// units long, so two 16-bit numbers do, and the scratch memory of a long list stays small
// (fresh memory is slow to touch under Wine).
struct NameSpan {
    uint16_t start;
    uint16_t length;
};

class PatternExpansion {
public:
    // Expands pattern over the names of the entries of source; names[i] lies in source[i].
    // source and names must stay valid while this object is used. Returns
    // STATUS_UNSUCCESSFUL when appending a piece would bring a new name to 259 units or
    // more; may throw std::bad_alloc.
    NTSTATUS Expand(const PathList& source, std::span<const NameSpan> names,
                    std::wstring_view pattern, EngineClock& clock);

    size_t FileCount() const { return m_lengths.size(); }
    size_t NameLength(size_t index) const { return m_lengths[index]; }

    // Writes the new name of the file at index to out, which has room for kMaxPathChars
    // units, without a terminating zero; returns its length.
    size_t WriteName(size_t index, wchar_t* out) const;

private:
    enum class Kind { Literal, Name, Count, Rand, Date, Time };

    struct Piece {
        Kind kind = Kind::Literal;
        std::wstring_view literal;       // Literal
        wchar_t text[32] = {};           // Date, Time: the same text for every file
        size_t textLength = 0;
        std::vector<uint16_t> randoms;   // Rand: one number per file, drawn in file order
    };

    NTSTATUS AddPiece(Piece piece, EngineClock& clock);
    size_t PieceLength(const Piece& piece, size_t index) const;
    std::wstring_view Name(size_t index) const {
        return std::wstring_view((*m_source)[index]).substr(m_names[index].start,
                                                              m_names[index].length);
    }

    const PathList* m_source = nullptr;
    std::span<const NameSpan> m_names;
    std::vector<Piece> m_pieces;
    std::vector<uint16_t> m_lengths;  // the length of every new name so far
};

}  // namespace renamory
