// Dropping many files onto a long file list: the duplicate test must not make it quadratic.
// Measures a drop of 10,000 files onto 10,000 rows through the drop target, against a
// baseline that inserts the same rows with no duplicate test and no shell query.
#include "framework/Controls.h"
#include "framework/Win32.h"
#include "renamory/gathering/ListViewDirect.h"
#include "renamory/gathering/MyDropTarget.h"
#include "tests/renamory/gathering/HandMadeDataObject.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

using gathering_test::HandMadeDataObject;
using gathering_test::MakeHdrop;

struct FileList {
    HWND host = nullptr;
    fw::CListCtrl list;
    FileList() {
        // Shown, as the main dialog is while files are dropped on it.
        host = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 800, 400, nullptr, nullptr,
                                 nullptr, nullptr);
        HWND wnd = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL,
                                     0, 0, 780, 380, host, reinterpret_cast<HMENU>(1000), nullptr, nullptr);
        list.SubclassWindow(wnd);
        list.InsertColumn(0, L"Current Names", LVCFMT_LEFT, 270);
        list.InsertColumn(1, L"Modified Names", LVCFMT_LEFT, 270);
    }
    ~FileList() { ::DestroyWindow(host); }
    void Fill(const std::vector<std::wstring>& rows) {
        list.SendMessage(WM_SETREDRAW, FALSE);
        for (const auto& row : rows) list.InsertItem(list.GetItemCount(), row);
        list.SendMessage(WM_SETREDRAW, TRUE);
    }
};

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"orvana-bench-drop-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace

int wmain() {
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    constexpr int kCount = 10000;

    // Dropped paths name real files, as a drop from a file manager does; the listed rows are
    // other paths in the same folder.
    const std::wstring folder = TempFolder();
    std::vector<std::wstring> dropped, listed;
    for (int i = 0; i < kCount; ++i) {
        dropped.push_back(folder + L"\\dropped file " + std::to_wstring(i) + L".txt");
        listed.push_back(folder + L"\\Listed Row " + std::to_wstring(i) + L".txt");
        HANDLE file = ::CreateFileW(dropped.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    }

    // Baseline: the same rows inserted at the end the way the drop inserts them (redrawing
    // off, straight to the list view), but with no duplicate test and no shell query.
    double baselineMs = 0;
    {
        FileList host;
        host.Fill(listed);
        const double start = NowMs();
        host.list.SendMessage(WM_SETREDRAW, FALSE);
        const CListViewDirect direct(host.list.m_hWnd);
        int next = direct.GetItemCount();
        for (const auto& path : dropped) {
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = next++;
            item.pszText = const_cast<wchar_t*>(path.c_str());
            direct.InsertItem(item);
        }
        host.list.SendMessage(WM_SETREDRAW, TRUE);
        host.list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
        host.list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
        baselineMs = NowMs() - start;
    }

    double dropMs = 0;
    int rowsAfter = 0;
    {
        FileList host;
        host.Fill(listed);
        CMyDropTarget target(&host.list);
        HandMadeDataObject data;
        data.Offer(CF_HDROP, MakeHdrop(dropped));
        const double start = NowMs();
        target.AddDroppedFiles(&data);
        dropMs = NowMs() - start;
        rowsAfter = host.list.GetItemCount();
    }

    // The same drop again onto its own result: every path is a duplicate (in another case).
    double duplicateMs = 0;
    {
        FileList host;
        host.Fill(listed);
        host.Fill(dropped);
        std::vector<std::wstring> shouted;
        for (auto path : dropped) {
            ::CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
            shouted.push_back(path);
        }
        CMyDropTarget target(&host.list);
        HandMadeDataObject data;
        data.Offer(CF_HDROP, MakeHdrop(shouted));
        const double start = NowMs();
        target.AddDroppedFiles(&data);
        duplicateMs = NowMs() - start;
        if (host.list.GetItemCount() != 2 * kCount) std::printf("duplicates were added!\n");
    }

    for (const auto& path : dropped) ::DeleteFileW(path.c_str());
    ::RemoveDirectoryW(folder.c_str());

    std::printf("rows after the drop: %d (expected %d)\n", rowsAfter, 2 * kCount);
    std::printf("baseline (the same insertions without duplicate test or shell query): %.0f ms\n", baselineMs);
    std::printf("drop 10k on 10k: %.0f ms, ratio to baseline %.2f\n", dropMs, dropMs / baselineMs);
    std::printf("drop 10k duplicates on 20k: %.0f ms, ratio to baseline %.2f\n", duplicateMs, duplicateMs / baselineMs);
    std::printf("BENCH drop ms_10k_on_10k=%.0f baseline_ms=%.0f ratio=%.2f ms_10k_duplicates=%.0f\n", dropMs,
                baselineMs, dropMs / baselineMs, duplicateMs);
    ::OleUninitialize();
    return 0;
}
