#include "dirvista/folders/FolderSizeWalk.h"

#include "dirvista/folders/DirectoryReader.h"
#include "dirvista/folders/FolderPaths.h"
#include "dirvista/folders/FolderWalkControl.h"
#include "dirvista/folders/Wow64RedirectionGuard.h"

#include <string>
#include <vector>

namespace dirvista {

namespace {

// A directory's identity on its volume; the same folder reached by two paths has one.
struct DirectoryId {
    DWORD volume = 0;
    ULONGLONG index = 0;
    bool operator==(const DirectoryId&) const = default;
};

enum class IdState { Unread, Known, Unavailable };

struct Level {
    DirectoryReader reader;
    size_t pathLength = 0;  // this directory's path is the walk's path up to here
    ULONGLONG total = 0;
    // Whether this directory or one of its ancestors was entered through a reparse point.
    // Only then can it be an ancestor again: plain subdirectories form a tree.
    bool bBelowReparse = false;
    IdState idState = IdState::Unread;
    DirectoryId id;
};

class FolderSizeWalk {
public:
    FolderSizeWalk(const fw::CProgressCtrl* progress, FolderWalkControl* control)
        : m_progress(progress), m_control(control) {}

    ULONGLONG Run(const wchar_t* folderPath) {
        m_path = folderPath;
        m_path.reserve(kMaxFolderPathLength + 1);
        if (!Enter(nullptr, {}, false)) return 0;
        while (!m_levels.empty()) {
            if (StopRequested()) return PartialTotal();
            Level& level = m_levels.back();
            const DirectoryEntry* entry = level.reader.Next();
            if (!entry) {
                Leave();
                continue;
            }
            if (entry->IsSelfOrParent()) continue;
            const std::wstring_view name = entry->Name();
            if (level.pathLength + 1 + name.size() > kMaxFolderPathLength) {
                if (entry->IsDirectory()) SubdirectoryDone();
                continue;
            }
            if (!entry->IsDirectory()) {
                level.total += entry->LogicalSize();
                continue;
            }
            m_path.resize(level.pathLength);
            m_path += L'\\';
            m_path += name;
            if (!Enter(&level, name, level.bBelowReparse || entry->IsReparsePoint())) SubdirectoryDone();
        }
        return m_result;
    }

private:
    bool StopRequested() const { return m_control && m_control->IsStopRequested(); }

    // Opens the directory at m_path (the top, or `name` in `parent`) as a new level; false
    // when it counts 0 (cannot be opened, or is one of its own ancestors).
    bool Enter(const Level* parent, std::wstring_view name, bool bBelowReparse) {
        if (m_control && m_control->onEnterDirectory) m_control->onEnterDirectory(m_path.c_str());
        if (StopRequested()) return false;
        Level level;
        const bool opened = parent ? level.reader.OpenChild(parent->reader, name) : level.reader.Open(m_path);
        if (!opened) return false;
        level.pathLength = m_path.size();
        level.bBelowReparse = bBelowReparse;
        if (bBelowReparse && IsOwnAncestor(level)) return false;
        m_levels.push_back(std::move(level));
        return true;
    }

    void Leave() {
        const ULONGLONG total = m_levels.back().total;
        m_levels.pop_back();
        if (m_levels.empty()) {
            m_result = total;
            return;
        }
        m_levels.back().total += total;
        m_path.resize(m_levels.back().pathLength);
        SubdirectoryDone();
    }

    // Only the top level's subdirectories step the bar, each once it has been measured.
    void SubdirectoryDone() const {
        if (m_levels.size() == 1 && m_progress) m_progress->StepIt();
    }

    bool IsOwnAncestor(Level& candidate) {
        if (!ReadId(candidate)) return false;
        for (Level& ancestor : m_levels) {
            if (ReadId(ancestor) && ancestor.id == candidate.id) return true;
        }
        return false;
    }

    static bool ReadId(Level& level) {
        if (level.idState == IdState::Unread) {
            BY_HANDLE_FILE_INFORMATION info{};
            if (::GetFileInformationByHandle(level.reader.Handle(), &info)) {
                level.id = {info.dwVolumeSerialNumber,
                            (static_cast<ULONGLONG>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
                level.idState = IdState::Known;
            } else {
                level.idState = IdState::Unavailable;
            }
        }
        return level.idState == IdState::Known;
    }

    ULONGLONG PartialTotal() const {
        ULONGLONG total = 0;
        for (const Level& level : m_levels) total += level.total;
        return total;
    }

    const fw::CProgressCtrl* m_progress;
    FolderWalkControl* m_control;
    std::wstring m_path;
    std::vector<Level> m_levels;
    ULONGLONG m_result = 0;
};

}  // namespace

ULONGLONG MeasureFolderSize(const wchar_t* folderPath, const fw::CProgressCtrl* progress,
                            FolderWalkControl* control) {
    if (!folderPath) return 0;
    Wow64RedirectionGuard redirectionOff;
    return FolderSizeWalk(progress, control).Run(folderPath);
}

}  // namespace dirvista
