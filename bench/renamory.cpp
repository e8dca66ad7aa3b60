// Main dialog of the batch renamer with 10,000 and 100,000 rows: Add... of that many picked
// paths into an empty list, Preview, and the bookkeeping of a run (the worker's loop, the
// progress messages and the rows rewritten afterwards) with MoveFileW stubbed out. The
// 10,000-row figures are the baseline; the headline's growth is the largest ratio of a
// 100,000-row step to its 10,000-row baseline (10 times the rows).
//
// The bench carries no resources, so the dialog is built from an in-memory copy of its
// template's controls.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/Window.h"
#include "renamory/PickerSeam.h"
#include "renamory/RenamoryDlg.h"
#include "renamory/rename/MoveFileSeam.h"

namespace {

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

[[noreturn]] void Fail(const char* what) {
    std::printf("bench renamory: %s\n", what);
    std::fflush(stdout);
    ::ExitProcess(1);
}

// A DLGTEMPLATE with the main dialog's working controls.
class MainDialogTemplate {
public:
    MainDialogTemplate() {
        Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT);
        Dword(0);
        m_countAt = m_words.size();
        Word(0);
        for (short v : {0, 0, 393, 302}) Word(static_cast<WORD>(v));
        Word(0);  // no menu
        Word(0);  // standard class
        Text(L"Orvana Renamory");
        Word(8);
        Text(L"MS Shell Dlg");
        Item(1000, WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | WS_BORDER, 15, 19, 363, 102);
        Item(1001, L"BUTTON", BS_PUSHBUTTON, 257, 129, 60, 16);
        Item(1002, L"BUTTON", BS_PUSHBUTTON, 320, 129, 60, 16);
        Item(1003, L"EDIT", WS_BORDER | ES_AUTOHSCROLL, 16, 175, 283, 14);
        Item(1004, L"BUTTON", BS_PUSHBUTTON, 16, 247, 60, 16);
        Item(1005, PROGRESS_CLASSW, WS_BORDER, 16, 269, 360, 14);
        Item(1007, L"BUTTON", BS_PUSHBUTTON, 319, 174, 60, 16);
        for (short id = 1012; id <= 1016; ++id) Item(id, L"BUTTON", BS_PUSHBUTTON, 31, 209, 60, 16);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Word(WORD w) { m_words.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const wchar_t* text) {
        for (; *text; ++text) Word(static_cast<WORD>(*text));
        Word(0);
    }
    void Item(short id, const wchar_t* cls, DWORD style, short x, short y, short cx, short cy) {
        if (m_words.size() % 2) Word(0);  // DWORD alignment
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, cx, cy, id}) Word(static_cast<WORD>(v));
        Text(cls);
        Word(0);  // no text
        Word(0);  // no creation data
        ++m_words[m_countAt];
    }
    std::vector<WORD> m_words;
    size_t m_countAt = 0;
};

struct StepTimes {
    double add = 0;
    double preview = 0;
    double run = 0;
};

void Click(HWND dialog, int id) {
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

StepTimes Measure(size_t rows) {
    std::vector<std::wstring> picks;
    picks.reserve(rows);
    for (size_t i = 0; i < rows; ++i)
        picks.push_back(L"C:\\Users\\Public\\Pictures\\Album " + std::to_wstring(i % 97) + L"\\IMG_" +
                        std::to_wstring(i) + L".jpg");
    renamory::SetPathPicker([&](HWND, bool) { return picks; });

    MainDialogTemplate dialogTemplate;
    CRenamoryDlg dialog;
    if (!dialog.CreateIndirect(dialogTemplate.Get())) Fail("cannot create the dialog");
    const HWND wnd = dialog.m_hWnd;
    StepTimes times;

    double start = NowMs();
    Click(wnd, 1001);
    times.add = NowMs() - start;
    if (::SendMessageW(::GetDlgItem(wnd, 1000), LVM_GETITEMCOUNT, 0, 0) != static_cast<LRESULT>(rows))
        Fail("Add... did not add every row");

    ::SetDlgItemTextW(wnd, 1003, L"[NAME]_[COUNT]");
    start = NowMs();
    Click(wnd, 1007);
    times.preview = NowMs() - start;
    if (!::IsWindowEnabled(::GetDlgItem(wnd, 1004))) Fail("Preview refused the rows");

    size_t moves = 0;
    renamory::SetMoveFileFunction([&](const wchar_t*, const wchar_t*) {
        ++moves;
        return TRUE;
    });
    start = NowMs();
    Click(wnd, 1004);
    while (dialog.IsRenameRunning()) {
        fw::PumpWaitingMessages();
        if (dialog.IsRenameRunning())
            ::MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    times.run = NowMs() - start;
    renamory::SetMoveFileFunction(nullptr);
    if (moves != rows) Fail("the run did not rename every pair");

    renamory::SetPathPicker(nullptr);
    return times;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    // One size only (bench_renamory <rows>), to look at one step closely.
    if (argc > 1) {
        const StepTimes t = Measure(static_cast<size_t>(_wtoi(argv[1])));
        std::printf("rows %d: add %.1f ms, preview %.1f ms, run %.1f ms\n", _wtoi(argv[1]), t.add, t.preview, t.run);
        return 0;
    }

    // Best of a few rounds: the machine is shared.
    constexpr int kRounds = 3;
    StepTimes small{1e300, 1e300, 1e300}, large{1e300, 1e300, 1e300};
    for (int round = 0; round < kRounds; ++round) {
        const StepTimes s = Measure(10000);
        const StepTimes l = Measure(100000);
        small = {std::min(small.add, s.add), std::min(small.preview, s.preview), std::min(small.run, s.run)};
        large = {std::min(large.add, l.add), std::min(large.preview, l.preview), std::min(large.run, l.run)};
    }
    const double addGrowth = large.add / small.add;
    const double previewGrowth = large.preview / small.preview;
    const double runGrowth = large.run / small.run;
    std::printf("rows     add_ms  preview_ms  run_ms\n");
    std::printf("10000  %8.1f  %10.1f  %6.1f   (baseline)\n", small.add, small.preview, small.run);
    std::printf("100000 %8.1f  %10.1f  %6.1f\n", large.add, large.preview, large.run);
    std::printf("growth x10 rows: add %.2f  preview %.2f  run %.2f\n", addGrowth, previewGrowth, runGrowth);
    std::printf("BENCH renamory add_100k_ms=%.0f preview_100k_ms=%.0f run_100k_ms=%.0f growth=%.2f\n",
                large.add, large.preview, large.run, std::max({addGrowth, previewGrowth, runGrowth}));
    std::fflush(stdout);
    return 0;
}
