// Rename engine: BuildNewPaths, the reserved-name check and the duplicate finder over 1,000,
// 10,000 and 100,000 paths with a pattern that uses all five tokens. The baseline is a plain
// copy of the same paths into a vector of strings, measured in the same run.
//
// The machine is shared, so every figure is the best of several rounds, and the sizes take
// turns within each round: a busy moment then slows one round of all sizes, not one size.
#include <windows.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>
#include "renamory/engine/DuplicateFinder.h"
#include "renamory/engine/NameChecks.h"
#include "renamory/engine/PathList.h"
#include "renamory/engine/PatternEngine.h"

using namespace renamory;

namespace {

constexpr wchar_t kPattern[] = L"[NAME]_[COUNT]_[RAND]_[DATE]_[TIME]";
constexpr std::array<size_t, 3> kSizes{1000, 10000, 100000};
constexpr int kRounds = 25;

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

[[noreturn]] void Fail(const char* what) {
    std::printf("bench engine: %s\n", what);
    ExitProcess(1);
}

PathList MakePaths(size_t count) {
    PathList paths;
    paths.Reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const std::wstring path = L"C:\\Users\\Public\\Pictures\\Album " + std::to_wstring(i % 97) +
                                  L"\\IMG_" + std::to_wstring(i) + L".jpg";
        if (paths.Append(path) != STATUS_SUCCESS) {
            Fail("cannot build the input list");
        }
    }
    return paths;
}

// One Preview's worth of engine work, in milliseconds.
double TimeEngine(const PathList& paths) {
    PathList newPaths;
    const double start = NowMs();
    const NTSTATUS status = BuildNewPaths(paths, newPaths, kPattern);
    const bool namesOk = CheckReservedNames(newPaths);
    const bool duplicates = HasDuplicatePaths(newPaths);
    const double elapsed = NowMs() - start;
    if (status != STATUS_SUCCESS || !namesOk || duplicates || newPaths.Size() != paths.Size()) {
        Fail("unexpected engine result");
    }
    return elapsed;
}

double TimeCopy(const PathList& paths) {
    const double start = NowMs();
    std::vector<std::wstring> copy;
    copy.reserve(paths.Size());
    for (std::wstring_view path : paths) {
        copy.emplace_back(path);
    }
    const double elapsed = NowMs() - start;
    if (copy.size() != paths.Size()) {
        Fail("copy lost entries");
    }
    return elapsed;
}

}  // namespace

int wmain() {
    std::array<PathList, kSizes.size()> inputs;
    for (size_t s = 0; s < kSizes.size(); ++s) {
        inputs[s] = MakePaths(kSizes[s]);
    }
    std::array<double, kSizes.size()> engine;
    std::array<double, kSizes.size()> copy;
    engine.fill(1e300);
    copy.fill(1e300);
    for (int round = 0; round < kRounds; ++round) {
        for (size_t s = 0; s < kSizes.size(); ++s) {
            engine[s] = std::min(engine[s], TimeEngine(inputs[s]));
            copy[s] = std::min(copy[s], TimeCopy(inputs[s]));
        }
    }

    std::printf("pattern [NAME]_[COUNT]_[RAND]_[DATE]_[TIME]: build + reserved names + duplicates\n");
    std::printf("  paths     engine ms   copy ms   engine/copy\n");
    for (size_t s = 0; s < kSizes.size(); ++s) {
        std::printf("  %6zu  %10.2f  %8.2f  %8.2f\n", kSizes[s], engine[s], copy[s],
                    engine[s] / copy[s]);
    }
    const double growth = engine[2] / engine[1];
    const double copyGrowth = copy[2] / copy[1];
    std::printf("growth 10k -> 100k: engine x%.2f, copy x%.2f\n", growth, copyGrowth);
    std::printf("BENCH engine growth=%.2f t100k_ms=%.0f copy100k_ms=%.1f vs_copy=%.2f copy_growth=%.2f\n",
                growth, engine[2], copy[2], engine[2] / copy[2], copyGrowth);
    return 0;
}
