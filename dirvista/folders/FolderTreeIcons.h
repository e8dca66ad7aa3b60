#pragma once
// The folder tree's seven images and which one a drive shows.
#include "framework/Win32.h"

#include <string>

namespace dirvista {

// Image positions in the tree's image list.
enum FolderTreeImage : int {
    kImageFolder = 0,  // every folder, and drives of unknown type
    kImageUnused = 1,
    kImageFixedDrive = 2,
    kImageOpticalDrive = 3,
    kImageRemovableDrive = 4,
    kImageNetworkDrive = 5,
    kImageRamDisk = 6,
    kFolderTreeImageCount = 7
};

// The image of a drive of the given GetDriveTypeW type.
int ImageForDriveType(UINT driveType);

// The shell library the icons come from: "<system directory>\Shell32.dll".
std::wstring ShellIconLibrary();

// Appends the seven images in position order: the shell library's icons 4, 3, 8, 11, 7,
// 10 and 13, or a plain 16x16 square of its own colour for any icon the library lacks.
void AppendFolderTreeIcons(HIMAGELIST list, const std::wstring& iconLibrary);

}  // namespace dirvista
