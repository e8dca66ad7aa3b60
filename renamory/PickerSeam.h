#pragma once
// Where Add... gets the paths the user picked. On Vista workstations Add... runs the Add
// Files and Folders dialog (whose result the application object keeps in m_lstPickedPaths);
// elsewhere the files-and-folders picker (whose result is its m_arrChosenItems, valid when it
// returned IDOK). The installed picker runs the right one and hands back those paths in
// their order; an empty result means cancelled or nothing chosen. Tests install their own.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace renamory {

using PathPicker = std::function<std::vector<std::wstring>(HWND owner, bool useBrowseDialog)>;

// Runs the installed picker; without one, the real picker dialogs.
std::vector<std::wstring> PickPaths(HWND owner, bool useBrowseDialog);

// Installs picker for every later Add... and returns the previous one. An empty picker
// restores the real dialogs.
PathPicker SetPathPicker(PathPicker picker);

}  // namespace renamory
