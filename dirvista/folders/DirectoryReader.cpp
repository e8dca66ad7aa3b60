#include "dirvista/folders/DirectoryReader.h"

#include "dirvista/folders/FolderPaths.h"

#include <new>
#include <string>

namespace dirvista {

bool DirectoryReader::Open(std::wstring_view folderPath) {
    const std::wstring openPath = MakeOpenPath(folderPath);
    // FILE_FLAG_BACKUP_SEMANTICS is what lets CreateFileW open a directory.
    return Start(::CreateFileW(openPath.c_str(), GENERIC_READ | SYNCHRONIZE, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

bool DirectoryReader::OpenChild(const DirectoryReader& parent, std::wstring_view name) {
    return Start(OpenChildDirectory(parent.Handle(), name));
}

bool DirectoryReader::Start(HANDLE directory) {
    m_directory.Reset(directory);
    if (!m_directory) return false;
    m_batch.reset(new (std::nothrow) std::byte[kDirectoryBatchBytes]);
    if (!m_batch) {
        m_directory.Reset();
        return false;
    }
    m_next = kNeedBatch;
    return true;
}

const DirectoryEntry* DirectoryReader::Next() {
    if (!m_directory || !m_batch) return nullptr;
    for (;;) {
        if (m_next == kNeedBatch) {
            if (!QueryDirectory(m_directory.Get(), m_batch.get())) return nullptr;
            m_next = 0;
        }
        // An entry that does not lie wholly inside the batch ends the batch rather than
        // being read past the buffer.
        const size_t offset = m_next;
        m_next = kNeedBatch;
        if (offset + kDirectoryEntryHeaderBytes > kDirectoryBatchBytes) continue;
        const auto* entry = reinterpret_cast<const DirectoryEntry*>(m_batch.get() + offset);
        if (offset + kDirectoryEntryHeaderBytes + entry->FileNameLength > kDirectoryBatchBytes) continue;
        if (entry->NextEntryOffset != 0) m_next = offset + entry->NextEntryOffset;
        return entry;
    }
}

}  // namespace dirvista
