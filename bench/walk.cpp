// Folder size walk: GetFolderSize (native directory query, batches of 16 KB, subfolders
// opened below their parent's handle) against a walker over FindFirstFileExW with the
// basic information level and large fetches, on the same generated tree in the same run.
#include "dirvista/folders/FolderTreeView.h"
#include "framework/Handles.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

// The program's own heap use, counted through the global allocation functions: the walk's
// buffers, paths and levels. (Under Wine the system's directory query also keeps a copy
// of each listed directory while its handle is open; that memory is the system's, and the
// baseline walker pays it the same.)
namespace heap_count {
size_t g_current = 0;
size_t g_peak = 0;
constexpr size_t kHeader = 16;  // keeps the block's size; keeps 16-byte alignment

void* Allocate(size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) return nullptr;
    *reinterpret_cast<size_t*>(block) = size;
    g_current += size;
    g_peak = std::max(g_peak, g_current);
    return block + kHeader;
}
void Free(void* p) {
    if (!p) return;
    auto* block = static_cast<unsigned char*>(p) - kHeader;
    g_current -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}
// The peak above the current use, from now on.
void ResetPeak() { g_peak = g_current; }
size_t PeakAbove(size_t base) { return g_peak - base; }
}  // namespace heap_count

void* operator new(size_t size) {
    if (void* p = heap_count::Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return heap_count::Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return heap_count::Allocate(size); }
void operator delete(void* p) noexcept { heap_count::Free(p); }
void operator delete[](void* p) noexcept { heap_count::Free(p); }
void operator delete(void* p, size_t) noexcept { heap_count::Free(p); }
void operator delete[](void* p, size_t) noexcept { heap_count::Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { heap_count::Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { heap_count::Free(p); }

namespace {

constexpr int kFanOut = 10;        // folders per folder, four levels: 11,110 folders
constexpr int kFilesPerLeaf = 9;   // in each of the 10,000 leaf folders
constexpr int kSmallFlatEntries = 100;
constexpr int kLargeFlatEntries = 5000;
constexpr int kRounds = 5;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class F>
double Time(F&& f) {
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    f();
    ::QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

struct Counts {
    unsigned long long files = 0, folders = 0, bytes = 0;
};

void MakeFile(const std::wstring& path, LONGLONG size, Counts& counts) {
    fw::FileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    LARGE_INTEGER end;
    end.QuadPart = size;
    ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file.Get());
    ++counts.files;
    counts.bytes += static_cast<unsigned long long>(size);
}

void MakeFolder(const std::wstring& path, Counts& counts) {
    if (::CreateDirectoryW(path.c_str(), nullptr)) ++counts.folders;
}

void MakeTree(const std::wstring& folder, int depth, Counts& counts) {
    if (depth == 4) {
        for (int i = 0; i < kFilesPerLeaf; ++i)
            MakeFile(folder + L"\\file-" + std::to_wstring(i) + L".dat", 1000 + i * 37, counts);
        return;
    }
    for (int i = 0; i < kFanOut; ++i) {
        const std::wstring child = folder + L"\\folder-" + std::to_wstring(i);
        MakeFolder(child, counts);
        MakeTree(child, depth + 1, counts);
    }
}

void MakeFlat(const std::wstring& folder, int entries, Counts& counts) {
    MakeFolder(folder, counts);
    for (int i = 0; i < entries; ++i)
        MakeFile(folder + L"\\entry-with-a-typical-length-" + std::to_wstring(i) + L".txt", i % 4096, counts);
}

// The baseline: what a program would write with the documented fastest Win32 listing.
unsigned long long FindFileSize(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    fw::FindHandle find(::FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return 0;
    unsigned long long total = 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0)
                total += FindFileSize(folder + L"\\" + data.cFileName);
        } else {
            total += (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
    } while (::FindNextFileW(find.Get(), &data));
    return total;
}

void DeleteTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    {
        fw::FindHandle find(::FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data,
                                               FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
        if (find) {
            do {
                const std::wstring path = folder + L"\\" + data.cFileName;
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileW(path.c_str());
                else if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0)
                    DeleteTree(path);
            } while (::FindNextFileW(find.Get(), &data));
        }
    }
    ::RemoveDirectoryW(folder.c_str());
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"orvana-bench-walk-" + std::to_wstring(::GetCurrentProcessId());
    Counts counts;
    std::printf("generating the tree under %%TEMP%% ...\n");
    const double generate = Time([&] {
        ::CreateDirectoryW(root.c_str(), nullptr);
        MakeTree(root, 0, counts);
        MakeFlat(root + L"\\flat-small", kSmallFlatEntries, counts);
        MakeFlat(root + L"\\flat-large", kLargeFlatEntries, counts);
    });
    const unsigned long long entries = counts.files + counts.folders;
    std::printf("tree: %llu files in %llu folders, %llu bytes (made in %.1f s)\n", counts.files,
                counts.folders, counts.bytes, generate);

    // Memory: walking a folder of 5,000 entries must take no more than one of 100.
    auto walkPeakKb = [&](const std::wstring& folder, unsigned long long& size) {
        const size_t base = heap_count::g_current;
        heap_count::ResetPeak();
        size = dirvista::CFolderTreeView::GetFolderSize(folder.c_str(), nullptr);
        return heap_count::PeakAbove(base) / 1024.0;
    };
    unsigned long long smallSize = 0, largeSize = 0, treeSize = 0;
    const double smallKb = walkPeakKb(root + L"\\flat-small", smallSize);
    const double largeKb = walkPeakKb(root + L"\\flat-large", largeSize);
    const double treeKb = walkPeakKb(root, treeSize);
    std::printf("walk heap peak: %.1f KB for %d entries in one folder, %.1f KB for %d, %.1f KB for the whole tree\n",
                smallKb, kSmallFlatEntries, largeKb, kLargeFlatEntries, treeKb);
    // The process as a whole: the baseline lists the large folder first, then ours.
    const unsigned long long peakBefore = Memory().PeakPagefileUsage;
    FindFileSize(root + L"\\flat-large");
    const unsigned long long peakBaseline = Memory().PeakPagefileUsage;
    dirvista::CFolderTreeView::GetFolderSize((root + L"\\flat-large").c_str(), nullptr);
    const unsigned long long peakOurs = Memory().PeakPagefileUsage;
    std::printf("process peak private memory listing %d entries: %llu KB, +%llu KB by the baseline, "
                "+%llu KB more by ours\n",
                kLargeFlatEntries, peakBefore / 1024, (peakBaseline - peakBefore) / 1024,
                (peakOurs - peakBaseline) / 1024);

    // One untimed walk each so both start from the same file-system cache.
    unsigned long long ours = dirvista::CFolderTreeView::GetFolderSize(root.c_str(), nullptr);
    unsigned long long baseline = FindFileSize(root);
    if (ours != baseline || ours != counts.bytes) {
        std::printf("MISMATCH: ours %llu, baseline %llu, generated %llu\n", ours, baseline, counts.bytes);
        DeleteTree(root);
        return 1;
    }

    std::vector<double> oursTimes, baselineTimes, ratios;
    for (int round = 0; round < kRounds; ++round) {
        // Alternate the order so neither walker always runs on a cache the other warmed.
        double tOurs = 0, tBase = 0;
        auto runOurs = [&] { tOurs = Time([&] { ours = dirvista::CFolderTreeView::GetFolderSize(root.c_str(), nullptr); }); };
        auto runBase = [&] { tBase = Time([&] { baseline = FindFileSize(root); }); };
        if (round % 2) { runBase(); runOurs(); } else { runOurs(); runBase(); }
        oursTimes.push_back(tOurs);
        baselineTimes.push_back(tBase);
        ratios.push_back(tOurs / tBase);
        std::printf("round %d: ours %.3f s, baseline %.3f s, ratio %.3f\n", round + 1, tOurs, tBase, tOurs / tBase);
    }
    const double ratio = Median(ratios);
    const double entriesPerSecond = static_cast<double>(entries) / Median(oursTimes);
    std::printf("median: ours %.3f s, baseline %.3f s (%.0f entries/s for the baseline)\n",
                Median(oursTimes), Median(baselineTimes), static_cast<double>(entries) / Median(baselineTimes));

    DeleteTree(root);
    const PROCESS_MEMORY_COUNTERS memory = Memory();
    std::printf("BENCH walk ratio=%.3f entries_per_s=%.0f peak_kb=%llu\n", ratio, entriesPerSecond,
                static_cast<unsigned long long>(memory.PeakPagefileUsage / 1024));
    return 0;
}
