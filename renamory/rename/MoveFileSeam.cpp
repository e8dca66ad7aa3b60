#include "renamory/rename/MoveFileSeam.h"

#include <utility>

namespace renamory {

namespace {
MoveFileFunction& InstalledMove() {
    static MoveFileFunction move;
    return move;
}
}  // namespace

BOOL MoveFileThroughSeam(const wchar_t* existing, const wchar_t* target) {
    const MoveFileFunction& move = InstalledMove();
    if (!move) return ::MoveFileW(existing, target);
    return move(existing, target);
}

MoveFileFunction SetMoveFileFunction(MoveFileFunction move) {
    return std::exchange(InstalledMove(), std::move(move));
}

}  // namespace renamory
