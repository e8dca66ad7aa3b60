#pragma once
// How a folder path of the tree (C:\, C:\\Windows, C:\\Windows\System32) becomes the path
// that is opened.
#include <string>
#include <string_view>

namespace dirvista {

// The longest folder path a walk forms for an entry; entries whose path would be longer
// count 0 bytes and are not entered (this also ends any walk that keeps growing its path).
inline constexpr size_t kMaxFolderPathLength = 4095;

// "\\.\" + path, with one trailing backslash removed unless it follows a colon: C:\ becomes
// \\.\C:\ (the root directory; \\.\C: would be the volume itself).
std::wstring MakeDevicePath(std::wstring_view folderPath);

// The path to open a folder through. Normally the device path. Win32 path parsing drops
// trailing dots and spaces of names, so a folder named "..." or "a." would open its parent
// or another folder; such paths are opened literally through "\\?\" instead, where the
// tree's doubled separator after the drive must be made single.
std::wstring MakeOpenPath(std::wstring_view folderPath);

}  // namespace dirvista
