#include "renamory/engine/DuplicateFinder.h"
#include <algorithm>
#include <cstdint>
#include <functional>
#include <new>
#include <vector>

namespace renamory {

namespace {

// About this many paths share one group, so that a group's table stays in the processor
// cache however long the list is.
constexpr size_t kGroupSize = 256;

uint32_t Hash32(std::wstring_view path) {
    const uint64_t hash = std::hash<std::wstring_view>{}(path);
    return static_cast<uint32_t>(hash ^ (hash >> 32));
}

// The fallback when the scratch memory cannot be had: time grows with the square.
bool HasDuplicatePairwise(const PathList& paths) {
    for (size_t i = 0; i < paths.Size(); ++i) {
        for (size_t j = i + 1; j < paths.Size(); ++j) {
            if (paths[i] == paths[j]) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool HasDuplicatePaths(const PathList& paths) {
    const size_t count = paths.Size();
    if (count < 2) {
        return false;
    }
    if (count >= UINT32_MAX) {
        return HasDuplicatePairwise(paths);
    }
    try {
        // Each path is read once, for its hash. Equal paths have equal hashes, so they land
        // in the same group (chosen by the hash's top bits) and, within it, meet in a small
        // open-addressing table (indexed by the low bits); only equal hashes are compared
        // as strings.
        std::vector<uint32_t> hashes(count);
        for (size_t i = 0; i < count; ++i) {
            hashes[i] = Hash32(paths[i]);
        }
        unsigned groupBits = 0;
        while (groupBits < 24 && (count >> groupBits) > kGroupSize) {
            ++groupBits;
        }
        auto groupOf = [groupBits](uint32_t hash) -> size_t {
            return groupBits == 0 ? 0 : hash >> (32 - groupBits);
        };
        const size_t groupCount = size_t{1} << groupBits;

        // Entry indexes sorted by group (a counting sort).
        std::vector<uint32_t> groupStart(groupCount + 1, 0);
        for (uint32_t hash : hashes) {
            ++groupStart[groupOf(hash) + 1];
        }
        size_t largestGroup = 0;
        for (size_t g = 0; g < groupCount; ++g) {
            largestGroup = std::max<size_t>(largestGroup, groupStart[g + 1]);
            groupStart[g + 1] += groupStart[g];
        }
        std::vector<uint32_t> order(count);
        std::vector<uint32_t> fill(groupStart.begin(), groupStart.end() - 1);
        for (size_t i = 0; i < count; ++i) {
            order[fill[groupOf(hashes[i])]++] = static_cast<uint32_t>(i);
        }

        size_t tableSize = 4;
        while (tableSize < 2 * largestGroup) {
            tableSize *= 2;
        }
        const size_t mask = tableSize - 1;
        std::vector<uint32_t> table(tableSize);  // entry index + 1; 0 marks a free slot
        for (size_t g = 0; g < groupCount; ++g) {
            if (groupStart[g + 1] - groupStart[g] < 2) {
                continue;
            }
            std::fill(table.begin(), table.end(), 0);
            for (size_t k = groupStart[g]; k < groupStart[g + 1]; ++k) {
                const uint32_t entry = order[k];
                const uint32_t hash = hashes[entry];
                size_t slot = hash & mask;
                while (table[slot] != 0) {
                    const uint32_t other = table[slot] - 1;
                    if (hashes[other] == hash && paths[other] == paths[entry]) {
                        return true;
                    }
                    slot = (slot + 1) & mask;
                }
                table[slot] = entry + 1;
            }
        }
        return false;
    } catch (const std::bad_alloc&) {
        return HasDuplicatePairwise(paths);
    }
}

}  // namespace renamory
