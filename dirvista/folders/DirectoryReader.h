#pragma once
// Lists one directory entry by entry, reading the native query's batches into a buffer of
// its own; the memory used is one batch, however many entries the directory holds.
#include "dirvista/folders/DirectoryQuery.h"
#include "framework/Handles.h"

#include <memory>
#include <string_view>

namespace dirvista {

class DirectoryReader {
public:
    DirectoryReader() = default;

    // Opens a folder of the tree for listing (see MakeOpenPath): read access, others may
    // only read meanwhile. False when it cannot be opened or the batch buffer cannot be
    // allocated.
    bool Open(std::wstring_view folderPath);
    // Opens the subdirectory `name` of the directory `parent` lists, likewise.
    bool OpenChild(const DirectoryReader& parent, std::wstring_view name);

    // The next entry, "." and ".." included; null when the listing has ended (no more
    // entries, or a query error, after which the entries read so far stand). The entry stays
    // valid until the next call.
    const DirectoryEntry* Next();

    HANDLE Handle() const { return m_directory.Get(); }

private:
    bool Start(HANDLE directory);

    static constexpr size_t kNeedBatch = static_cast<size_t>(-1);

    fw::FileHandle m_directory;
    std::unique_ptr<std::byte[]> m_batch;
    size_t m_next = kNeedBatch;
};

}  // namespace dirvista
