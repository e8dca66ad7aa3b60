#include "renamory/RenamoryDlg.h"

#include "framework/MessageBoxSeam.h"
#include "renamory/FileListRows.h"
#include "renamory/OsClass.h"
#include "renamory/PickerSeam.h"
#include "renamory/RenamoryApp.h"
#include "renamory/engine/DuplicateFinder.h"
#include "renamory/engine/NameChecks.h"
#include "renamory/engine/PatternEngine.h"
#include "renamory/engine/SplitPath.h"
#include "renamory/gathering/BeginDragFiles.h"
#include "renamory/rename/RenameFailureReport.h"
#include "renamory/rename/RenameJob.h"
#include "shared/HelpLauncher.h"
#include "shared/MainDialogSupport.h"
#include "shared/res/ResourceIds.h"
#include "skin/SkinManager.h"

using renamory::kMaxPathChars;
using renamory::kModifiedNameColumn;
using renamory::kCurrentNameColumn;

namespace {

// Typing stops at this many characters in the pattern edit.
constexpr int kPatternTypingLimit = 100;

constexpr UINT kStyleTopmostExclamation = MB_TOPMOST | MB_ICONEXCLAMATION;

constexpr wchar_t kInvalidPatternShort[] =
    L"Invalid Regulator Expression! \nFile names must not contain:\n\\  /  :  *  <  >  |  ?";
constexpr wchar_t kInvalidPatternLong[] =
    L"Invalid Regulator Expression! \nFile names must not contain one of the following "
    L"characters:\n\\  /  :  *  <  >  |  ?";
constexpr wchar_t kIncorrectFilename[] = L"Incorrect filename";
constexpr wchar_t kTypePattern[] = L"Please type a Regular Expression";
constexpr wchar_t kSelectFiles[] = L"Please select Files for this operation";
constexpr wchar_t kNameTooLarge[] = L"New file name too large";

bool KeepsWorkingAtTypingLimit(WPARAM key) {
    switch (key) {
    case VK_BACK: case VK_END: case VK_HOME: case VK_LEFT: case VK_RIGHT: case VK_DELETE:
        return true;
    default:
        return false;
    }
}

}  // namespace

CRenamoryDlg::CRenamoryDlg() : fw::CDialog(IDD_MAIN) {
    CSkinManager::Instance().LoadSkin(L"trelk.dat", nullptr);
    m_hIcon = ::LoadIconW(fw::ResourceInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_brBackground = fw::MakeSolidBrush(0xFFFFFF);
}

CRenamoryDlg::~CRenamoryDlg() { StopWorkerAndWait(); }

void CRenamoryDlg::StopWorkerAndWait() {
    // The worker never waits for this thread (it only posts), so waiting here cannot hang;
    // the job it holds outlives this object in any case.
    if (m_runningJob) m_runningJob->RequestStop();
    if (m_hRenameThread) ::WaitForSingleObject(m_hRenameThread.Get(), INFINITE);
    m_runningJob.reset();
    m_hRenameThread.Reset();
}

void CRenamoryDlg::DoDataExchange() {
    Bind(kIdPattern, m_editPattern);
    Bind(kIdProgress, m_progress);
    Bind(kIdFileList, m_listFiles);
}

BOOL CRenamoryDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    AppendAboutMenuItem(m_hWnd, L"About Orvana Renamory...");
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_listFiles.InsertColumn(kCurrentNameColumn, L"Current Names", LVCFMT_LEFT, 270);
    m_listFiles.InsertColumn(kModifiedNameColumn, L"Modified Names", LVCFMT_LEFT, 270);
    m_dropTarget = renamory::InstallDropTarget(m_hWnd, m_listFiles);
    EnableStart(false);
    m_hPatternEdit = GetDlgItem(kIdPattern);
    return TRUE;
}

BOOL CRenamoryDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->hwnd == m_hPatternEdit && m_hPatternEdit &&
        ::GetWindowTextLengthW(m_hPatternEdit) >= kPatternTypingLimit &&
        !KeepsWorkingAtTypingLimit(msg->wParam)) {
        msg->wParam = 0;
    }
    return fw::CDialog::PreTranslateMessage(msg);
}

bool CRenamoryDlg::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    static constexpr fw::Route routes[] = {
        fw::OnMessage<&CRenamoryDlg::OnSysCommand>(WM_SYSCOMMAND),
        fw::OnMessage<&CRenamoryDlg::OnPaint>(WM_PAINT),
        fw::OnMessage<&CRenamoryDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        fw::OnCtlColor<&CRenamoryDlg::OnCtlColor>(),
        fw::OnMessage<&CRenamoryDlg::OnHelpInfo>(WM_HELP),
        fw::OnMessage<&CRenamoryDlg::OnDestroy>(WM_DESTROY),
        fw::OnMessage<&CRenamoryDlg::OnRenameProgress>(renamory::kMsgRenameProgress),
        fw::OnMessage<&CRenamoryDlg::OnRenameDone>(renamory::kMsgRenameDone),
        fw::OnCommand<&CRenamoryDlg::OnAdd>(kIdAdd),
        fw::OnCommand<&CRenamoryDlg::OnStart>(kIdStart),
        fw::OnCommand<&CRenamoryDlg::OnPreview>(kIdPreview),
        fw::OnCommand<&CRenamoryDlg::OnRemove>(kIdRemove),
        fw::OnCommand<&CRenamoryDlg::OnTokenName>(kIdTokenName),
        fw::OnCommand<&CRenamoryDlg::OnTokenCount>(kIdTokenCount),
        fw::OnCommand<&CRenamoryDlg::OnTokenRandom>(kIdTokenRandom),
        fw::OnCommand<&CRenamoryDlg::OnTokenDate>(kIdTokenDate),
        fw::OnCommand<&CRenamoryDlg::OnTokenTime>(kIdTokenTime),
        fw::OnNotify<&CRenamoryDlg::OnBeginDragFiles>(kIdFileList, LVN_BEGINDRAG),
    };
    return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
           fw::CDialog::OnWndMsg(msg, wp, lp, result);
}

void CRenamoryDlg::OnBeginDragFiles(NMHDR* header, LRESULT* result) {
    ::OnBeginDragFiles(m_listFiles, reinterpret_cast<const NMLISTVIEW*>(header), result);
}

bool CRenamoryDlg::OnSysCommand(WPARAM wp, LPARAM, LRESULT& result) {
    result = 0;
    if ((wp & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAboutBox(m_hWnd);
        return true;
    }
    if ((wp & 0xFFF0) == SC_CLOSE) {
        if (m_runningJob) {
            // The file being renamed is finished and nothing more; the dialog ends when the
            // worker reports that it is done, so nothing is freed under it.
            m_runningJob->RequestStop();
            m_bCloseWhenRunEnds = true;
        } else {
            CloseAndFree();
        }
        return true;
    }
    return false;
}

void CRenamoryDlg::CloseAndFree() {
    m_currentPaths.Clear();
    m_newPaths.Clear();
    m_pattern.clear();
    m_pattern.shrink_to_fit();
    EndDialog(IDOK);
}

void CRenamoryDlg::OnDestroy() {
    // The drop target must be revoked while the window still exists.
    m_dropTarget.reset();
}

bool CRenamoryDlg::OnPaint(WPARAM, LPARAM, LRESULT& result) {
    if (!IsIconic()) return false;
    PaintMinimizedIcon(m_hWnd, m_hIcon);
    result = 0;
    return true;
}

LRESULT CRenamoryDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }

LRESULT CRenamoryDlg::OnCtlColor(WPARAM wp, LPARAM) {
    ::SetBkColor(reinterpret_cast<HDC>(wp), 0xFFFFFF);
    return reinterpret_cast<LRESULT>(m_brBackground.Get());
}

LRESULT CRenamoryDlg::OnHelpInfo(WPARAM, LPARAM) { return LaunchUserGuide(); }

void CRenamoryDlg::ShowMessage(const wchar_t* text, UINT style) {
    fw::ShowMessageBox(m_hWnd, text, kRenamoryCaption, style);
}

void CRenamoryDlg::EnableStart(bool enable) const { ::EnableWindow(GetDlgItem(kIdStart), enable); }

std::wstring CRenamoryDlg::ReadPatternEdit() const {
    std::wstring text = m_editPattern.GetWindowText();
    if (text.size() > kMaxPathChars) text.resize(kMaxPathChars);
    return text;
}

void CRenamoryDlg::OnAdd() {
    const bool useBrowseDialog = GetOsClass() == kOsWindowsVista;
    const std::vector<std::wstring> picked = renamory::PickPaths(m_hWnd, useBrowseDialog);
    if (renamory::AddPathsAtTop(m_listFiles, picked) > 0)
        ShowMessage(L"File already added to the list!", MB_TOPMOST | MB_ICONINFORMATION);
}

void CRenamoryDlg::OnRemove() {
    const int row = m_listFiles.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        ShowMessage(L"No items were selected!");
        return;
    }
    const std::wstring currentPath = renamory::ReadCell(m_listFiles, row, kCurrentNameColumn);
    const std::wstring newPath = renamory::ReadCell(m_listFiles, row, kModifiedNameColumn);
    m_listFiles.DeleteItem(row);
    m_currentPaths.RemoveFirst(currentPath);
    if (!newPath.empty()) m_newPaths.RemoveFirst(newPath);
    if (m_listFiles.GetItemCount() == 0 ||
        renamory::ReadCell(m_listFiles, 0, kModifiedNameColumn).empty()) {
        EnableStart(false);
    }
}

void CRenamoryDlg::AppendToken(const wchar_t* token) {
    const std::wstring pattern = ReadPatternEdit();
    std::wstring folder;
    if (m_listFiles.GetItemCount() >= 2) {
        const std::wstring second = renamory::ReadCell(m_listFiles, 1, kCurrentNameColumn);
        folder = second.substr(0, renamory::SplitPathParts(second).folderLength);
    }
    const size_t tokenLength = std::wcslen(token);
    if (folder.size() + tokenLength + pattern.size() + 1 > renamory::kPathBufferUnits) {
        ShowMessage(kNameTooLarge, kStyleTopmostExclamation);
        return;
    }
    m_editPattern.SetWindowText(pattern + token);
}

void CRenamoryDlg::OnPreview() {
    // Start may only run what this Preview accepted: every check that stops it leaves Start
    // disabled, not enabled from an earlier success.
    EnableStart(false);

    m_pattern = ReadPatternEdit();
    if (m_pattern == L" ") {
        ShowMessage(kIncorrectFilename);
        return;
    }
    if (!renamory::IsValidPattern(m_pattern)) {
        ShowMessage(kInvalidPatternShort);
        renamory::ClearModifiedNames(m_listFiles);
        return;
    }
    if (m_pattern.empty()) {
        ShowMessage(kTypePattern);
        return;
    }
    m_currentPaths.Clear();
    if (m_listFiles.GetItemCount() == 0) {
        ShowMessage(kSelectFiles);
        return;
    }
    if (renamory::AppendCurrentNames(m_listFiles, m_currentPaths) != STATUS_SUCCESS) return;
    m_newPaths.Clear();
    if (renamory::BuildNewPaths(m_currentPaths, m_newPaths, m_pattern) != STATUS_SUCCESS) {
        ShowMessage(kNameTooLarge, kStyleTopmostExclamation);
        return;
    }
    if (!renamory::CheckReservedNames(m_newPaths)) {
        ShowMessage(L"There are invalid filenames!");
        return;
    }
    if (renamory::HasDuplicatePaths(m_newPaths)) {
        ShowMessage(L"There are duplicate names!");
        return;
    }
    renamory::FillModifiedNames(m_listFiles, m_newPaths);
    // During a run Start stays off: the run's end replaces the rows this Preview described.
    if (!m_runningJob) EnableStart(true);
}

void CRenamoryDlg::OnStart() {
    EnableStart(false);
    // One run at a time.
    if (m_runningJob) return;

    const bool previewMode =
        m_listFiles.GetItemCount() > 0 && !renamory::ReadCell(m_listFiles, 0, kModifiedNameColumn).empty();
    if (m_pattern == L" ") {
        ShowMessage(kIncorrectFilename);
        return;
    }
    if (!previewMode) {
        m_pattern = ReadPatternEdit();
        if (m_pattern.empty()) {
            ShowMessage(kTypePattern);
            return;
        }
        if (!renamory::IsValidPattern(m_pattern)) {
            ShowMessage(kInvalidPatternLong);
            renamory::ClearModifiedNames(m_listFiles);
            return;
        }
    }
    if (m_listFiles.GetItemCount() == 0) {
        ShowMessage(kSelectFiles);
        return;
    }

    // The worker gets its own copy of the pairs (or of the rows, in pattern mode).
    renamory::PathList current;
    std::shared_ptr<renamory::RenameJob> job;
    if (previewMode) {
        renamory::PathList target;
        current.Reserve(m_currentPaths.Size());
        target.Reserve(m_newPaths.Size());
        for (std::wstring_view path : m_currentPaths)
            if (current.Append(path) != STATUS_SUCCESS) return;
        for (std::wstring_view path : m_newPaths)
            if (target.Append(path) != STATUS_SUCCESS) return;
        job = std::make_shared<renamory::RenameJob>(m_hWnd, std::move(current), std::move(target));
    } else {
        if (renamory::AppendCurrentNames(m_listFiles, current) != STATUS_SUCCESS) return;
        job = std::make_shared<renamory::RenameJob>(m_hWnd, std::move(current), m_pattern);
    }

    HANDLE thread = renamory::StartRenameThread(job);
    if (!thread) return;
    m_hRenameThread.Reset(thread);
    m_runningJob = std::move(job);
}

LRESULT CRenamoryDlg::OnRenameProgress(WPARAM wp, LPARAM) {
    if (m_runningJob) m_progress.SetPos(static_cast<int>(wp));
    return 0;
}

LRESULT CRenamoryDlg::OnRenameDone(WPARAM, LPARAM lp) {
    if (!m_runningJob || m_runningJob->Id() != static_cast<UINT_PTR>(lp) || !m_runningJob->IsFinished())
        return 0;
    std::shared_ptr<renamory::RenameJob> job = std::move(m_runningJob);
    if (m_bCloseWhenRunEnds) {
        CloseAndFree();
        return 0;
    }
    if (job->EngineStatus() != STATUS_SUCCESS) {
        // Pattern mode: the engine refused the pattern for these rows; nothing was renamed.
        ShowMessage(kNameTooLarge, kStyleTopmostExclamation);
        return 0;
    }
    m_progress.SetPos(0);
    renamory::ApplyRenameOutcome(m_listFiles, *job);
    const std::wstring failures = renamory::FormatRenameFailures(*job);
    if (job->IsPatternMode()) {
        m_currentPaths = job->TakeCurrentPaths();
        m_newPaths = job->TakeNewPaths();
    }
    // Column 1 is empty now, so there is nothing left for Start to run until a new Preview.
    EnableStart(false);
    if (!failures.empty()) ShowMessage(failures.c_str());
    return 0;
}
