#pragma once
// The real main dialog, created modeless and driven by messages; message boxes are recorded,
// Add... picks what the test says, and MoveFileW can be replaced.
#include <gtest/gtest.h>

#include "renamory/FileListRows.h"
#include "renamory/PickerSeam.h"
#include "renamory/RenamoryDlg.h"
#include "renamory/rename/MoveFileSeam.h"
#include "support/MessageBoxRecorder.h"
#include "support/Pump.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace renamory::test {

inline constexpr UINT kExclamation = MB_ICONEXCLAMATION;
inline constexpr UINT kTopmostExclamation = MB_TOPMOST | MB_ICONEXCLAMATION;

class RenamoryDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&icc);
        m_previousPicker = SetPathPicker([this](HWND owner, bool useBrowseDialog) {
            pickerOwners.push_back(owner);
            pickerUsedBrowseDialog.push_back(useBrowseDialog);
            return nextPick;
        });
        ASSERT_TRUE(dialog.Create());
    }
    void TearDown() override {
        SetPathPicker(std::move(m_previousPicker));
        SetMoveFileFunction(nullptr);
    }

    HWND Item(int id) const { return dialog.GetDlgItem(id); }
    void Click(int id) {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }
    // Add... with the picker answering these paths.
    void Add(std::vector<std::wstring> paths) {
        nextPick = std::move(paths);
        Click(kIdAdd);
    }
    void SetPattern(const std::wstring& text) { ::SetWindowTextW(Item(kIdPattern), text.c_str()); }
    std::wstring Pattern() const {
        wchar_t text[1024] = {};
        ::GetWindowTextW(Item(kIdPattern), text, 1024);
        return text;
    }
    int RowCount() const {
        return static_cast<int>(::SendMessageW(Item(kIdFileList), LVM_GETITEMCOUNT, 0, 0));
    }
    std::vector<std::wstring> Column(int column) const {
        std::vector<std::wstring> cells;
        for (int row = 0; row < RowCount(); ++row) {
            wchar_t text[600] = {};
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 600;
            ::SendMessageW(Item(kIdFileList), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                           reinterpret_cast<LPARAM>(&item));
            cells.emplace_back(text);
        }
        return cells;
    }
    std::vector<std::wstring> CurrentNames() const { return Column(kCurrentNameColumn); }
    std::vector<std::wstring> ModifiedNames() const { return Column(kModifiedNameColumn); }
    void SelectRow(int row) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(Item(kIdFileList), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&item));
    }
    bool IsStartEnabled() const { return ::IsWindowEnabled(Item(kIdStart)) != FALSE; }
    int ProgressPosition() const {
        return static_cast<int>(::SendMessageW(Item(kIdProgress), PBM_GETPOS, 0, 0));
    }
    // Runs Preview and expects it to succeed.
    void PreviewOk(const std::wstring& pattern) {
        SetPattern(pattern);
        messages.Clear();
        Click(kIdPreview);
        ASSERT_TRUE(messages.Calls().empty()) << "Preview refused the pattern";
        ASSERT_TRUE(IsStartEnabled());
    }
    // Presses Start and pumps until the run has ended.
    void StartAndWait() {
        Click(kIdStart);
        ASSERT_TRUE(testing_support::PumpUntil([this] { return !dialog.IsRenameRunning(); }, 30000));
    }
    std::vector<std::wstring> Texts() const { return messages.Texts(); }

    testing_support::MessageBoxRecorder messages;
    CRenamoryDlg dialog;
    std::vector<std::wstring> nextPick;
    std::vector<HWND> pickerOwners;
    std::vector<bool> pickerUsedBrowseDialog;

private:
    PathPicker m_previousPicker;
};

inline std::vector<std::wstring> Entries(const PathList& list) {
    return std::vector<std::wstring>(list.begin(), list.end());
}

}  // namespace renamory::test
