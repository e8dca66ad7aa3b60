#include "dirvista/folders/FolderTreeIcons.h"

#include "framework/Dialog.h"
#include "framework/Handles.h"

#include <array>
#include <vector>

namespace dirvista {

namespace {

// Shell library icon index of each image position.
constexpr std::array<int, kFolderTreeImageCount> kShellIconIndex = {4, 3, 8, 11, 7, 10, 13};

// Stand-ins where the library has no icon: a distinct opaque colour per position.
constexpr std::array<COLORREF, kFolderTreeImageCount> kStandInColour = {
    RGB(230, 190, 60), RGB(200, 200, 200), RGB(90, 90, 110), RGB(60, 140, 220),
    RGB(120, 180, 80), RGB(40, 160, 160), RGB(180, 80, 160)};

HICON MakeSquareIcon(COLORREF colour) {
    constexpr int kSide = 16;
    const BYTE andMask[kSide * kSide / 8] = {};  // all zero: every pixel opaque
    const DWORD pixel = 0xFF000000u | (static_cast<DWORD>(GetRValue(colour)) << 16) |
                        (static_cast<DWORD>(GetGValue(colour)) << 8) | GetBValue(colour);
    const std::vector<DWORD> pixels(kSide * kSide, pixel);
    return ::CreateIcon(nullptr, kSide, kSide, 1, 32, andMask,
                        reinterpret_cast<const BYTE*>(pixels.data()));
}

}  // namespace

int ImageForDriveType(UINT driveType) {
    switch (driveType) {
    case DRIVE_FIXED: return kImageFixedDrive;
    case DRIVE_CDROM: return kImageOpticalDrive;
    case DRIVE_REMOVABLE: return kImageRemovableDrive;
    case DRIVE_REMOTE: return kImageNetworkDrive;
    case DRIVE_RAMDISK: return kImageRamDisk;
    default: return kImageFolder;
    }
}

std::wstring ShellIconLibrary() {
    wchar_t system[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(system, MAX_PATH);
    std::wstring library(system, length < MAX_PATH ? length : 0);
    return library + L"\\Shell32.dll";
}

void AppendFolderTreeIcons(HIMAGELIST list, const std::wstring& iconLibrary) {
    for (int position = 0; position < kFolderTreeImageCount; ++position) {
        HICON extracted = ::ExtractIconW(fw::ResourceInstance(), iconLibrary.c_str(),
                                         static_cast<UINT>(kShellIconIndex[position]));
        // ExtractIconW answers 1 for a file that holds no icons at all.
        if (extracted == reinterpret_cast<HICON>(1)) extracted = nullptr;
        fw::IconHandle icon(extracted ? extracted : MakeSquareIcon(kStandInColour[position]));
        ::ImageList_ReplaceIcon(list, -1, icon.Get());
    }
}

}  // namespace dirvista
