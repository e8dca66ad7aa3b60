// Opens a folder of 1,000 subfolders holding about 100,000 files in the viewer's real main
// window and times the whole scan (both passes, the pie and the list) against one size walk
// of the same folder in the same run. Meanwhile a probe thread posts time-stamped messages
// to the window's thread; the longest wait of one of them is the longest time the window
// went without handling a message.
//   bench_scan.exe [subfolders] [files per subfolder]
#include "dirvista/DirvistaDlg.h"
#include "dirvista/folders/FolderTreeView.h"
#include "dirvista/scan/ScanWorker.h"
#include "framework/Window.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>


namespace {

using Clock = std::chrono::steady_clock;
constexpr UINT kProbeMessage = WM_APP + 0x2F1;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool MakeFile(const std::wstring& path, LONGLONG size) {
    fw::FileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER end{};
    end.QuadPart = size;
    return ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.Get());
}

void DeleteTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    fw::FindHandle find(::FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (find) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) DeleteTree(path);
            else ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(find.Get(), &data));
    }
    find.Reset();
    ::RemoveDirectoryW(folder.c_str());
}

// Each subfolder holds most of its files directly and the rest in one nested folder, so the
// walk also steps the progress bar. Making 100,000 files takes minutes under Wine, so the
// fixture is kept in %TEMP% (a marker file beside it says it is complete) and reused by the
// next run.
std::wstring MakeFixture(int subfolders, int filesPerFolder) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring root = temp;
    if (!root.empty() && root.back() == L'\\') root.pop_back();
    root += L"\\bench-scan-" + std::to_wstring(subfolders) + L"x" + std::to_wstring(filesPerFolder);
    const std::wstring marker = root + L".complete";
    if (::GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return root;
    DeleteTree(root);
    ::CreateDirectoryW(root.c_str(), nullptr);
    for (int d = 0; d < subfolders; ++d) {
        wchar_t name[16];
        std::swprintf(name, 16, L"d%04d", d);
        const std::wstring folder = root + L"\\" + name;
        const std::wstring nested = folder + L"\\nested";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        ::CreateDirectoryW(nested.c_str(), nullptr);
        for (int f = 0; f < filesPerFolder; ++f) {
            const std::wstring where = f < filesPerFolder * 9 / 10 ? folder : nested;
            MakeFile(where + L"\\f" + std::to_wstring(f) + L".bin", (d * 131 + f * 17) % 9000);
        }
    }
    MakeFile(marker, 0);
    return root;
}

double WalkMs(const std::wstring& folder) {
    const auto start = Clock::now();
    dirvista::CFolderTreeView::GetFolderSize(folder.c_str(), nullptr);
    return MsSince(start);
}

// Measuring every subfolder twice with no window: what the scan's two passes cost by
// themselves.
double TwoPassesMs(const std::wstring& root) {
    std::vector<std::wstring> subfolders;
    WIN32_FIND_DATAW data;
    fw::FindHandle find(::FindFirstFileW((root + L"\\*").c_str(), &data));
    if (find) {
        do {
            const std::wstring name = data.cFileName;
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..")
                subfolders.push_back(root + L"\\" + name);
        } while (::FindNextFileW(find.Get(), &data));
    }
    const auto start = Clock::now();
    for (int pass = 0; pass < 2; ++pass)
        for (const std::wstring& folder : subfolders) dirvista::CFolderTreeView::GetFolderSize(folder.c_str(), nullptr);
    return MsSince(start);
}

struct ScanRun {
    double scanMs = 0;   // from the first directory the worker opens to the window taking its end
    double stallMs = 0;  // the longest wait of a probe message meanwhile
    double openMs = 0;   // opening: the tree reads the level below the folder, the scan starts
    int rows = 0;
};

// Opens `root` in a new main window and handles its messages until the scan is over, while
// a probe thread posts time-stamped messages to this thread every 10 ms.
bool RunScan(const std::wstring& root, ScanRun& run) {
    // The scan is timed from the first directory its walk opens, after the tree has read
    // the level below the folder.
    std::atomic<long long> scanStartTicks{0};
    dirvista::ScanWorker::ReplaceEnterDirectoryHook([&scanStartTicks](const wchar_t*, HANDLE) {
        long long expected = 0;
        scanStartTicks.compare_exchange_strong(expected, Clock::now().time_since_epoch().count());
    });
    CDirvistaDlg dialog;
    if (!dialog.Create()) {
        dirvista::ScanWorker::ReplaceEnterDirectoryHook(nullptr);
        return false;
    }
    const auto openStart = Clock::now();
    const bool opened = dialog.OpenFolder(root) != nullptr;
    run.openMs = MsSince(openStart);

    const DWORD guiThread = ::GetCurrentThreadId();
    std::atomic<bool> probing{true};
    std::thread probe([&] {
        while (probing.load()) {
            ::PostThreadMessageW(guiThread, kProbeMessage, 0,
                                 static_cast<LPARAM>(Clock::now().time_since_epoch().count()));
            ::Sleep(10);
        }
    });
    bool scanning = opened;
    while (scanning) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == kProbeMessage && !msg.hwnd) {
                const Clock::duration waited =
                    Clock::now().time_since_epoch() - Clock::duration(static_cast<Clock::rep>(msg.lParam));
                run.stallMs = std::max(run.stallMs, std::chrono::duration<double, std::milli>(waited).count());
                continue;
            }
            if (!fw::PreTranslate(msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        scanning = dialog.IsScanning();
    }
    if (const long long startTicks = scanStartTicks.load(); startTicks != 0) {
        run.scanMs = std::chrono::duration<double, std::milli>(
                         Clock::now().time_since_epoch() - Clock::duration(static_cast<Clock::rep>(startTicks)))
                         .count();
    }
    run.rows = dialog.List().GetItemCount();
    probing = false;
    probe.join();
    dirvista::ScanWorker::ReplaceEnterDirectoryHook(nullptr);
    return opened;
}

}  // namespace
int wmain(int argc, wchar_t** argv) {
    const int subfolders = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1000;
    const int filesPerFolder = argc > 2 ? std::max(0, _wtoi(argv[2])) : 100;
    constexpr int kRounds = 3;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    const std::wstring root = MakeFixture(subfolders, filesPerFolder);
    WalkMs(root);  // warm-up

    // Rounds of one walk, the two passes alone and one scan, each figure the best of its
    // rounds, so that a moment of load on the machine does not decide the ratio. The stall
    // is the worst of all rounds.
    double walkMs = 1e300, twoPassesMs = 1e300, scanMs = 1e300, stallMs = 0;
    for (int round = 0; round < kRounds; ++round) {
        const double walk = WalkMs(root);
        const double twoPasses = TwoPassesMs(root);
        ScanRun run;
        if (!RunScan(root, run)) {
            std::printf("the folder could not be opened in the main window\n");
            return 1;
        }
        std::printf("round %d: one walk %.1f ms, two passes alone %.1f ms, open %.1f ms, scan %.1f ms "
                    "(stall %.0f ms, %d rows)\n",
                    round + 1, walk, twoPasses, run.openMs, run.scanMs, run.stallMs, run.rows);
        if (run.rows != subfolders) return 1;
        walkMs = std::min(walkMs, walk);
        twoPassesMs = std::min(twoPassesMs, twoPasses);
        scanMs = std::min(scanMs, run.scanMs);
        stallMs = std::max(stallMs, run.stallMs);
    }
    std::printf("subfolders=%d files=%d; best: one walk %.1f ms, two passes alone %.1f ms (%.2f), scan %.1f ms\n",
                subfolders, subfolders * filesPerFolder, walkMs, twoPassesMs, twoPassesMs / walkMs, scanMs);
    std::printf("BENCH scan ratio=%.2f gui_stall_ms=%.0f\n", scanMs / walkMs, stallMs);
    return 0;
}
