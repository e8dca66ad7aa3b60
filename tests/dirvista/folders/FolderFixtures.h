#pragma once
// Fixture pieces the plain fixture tree cannot make or remove: directory links (loops),
// names that Win32 path parsing would change ("...", "a."), and very deep folder chains.
#include "framework/Win32.h"

#include <string>
#include <vector>

namespace folder_tests {

// "\\?\" + path: opened as written, without Win32 parsing dropping trailing dots.
std::wstring Literal(const std::wstring& path);

// Creates a file of `size` bytes at a full path, literally.
bool MakeFile(const std::wstring& path, size_t size);
// Creates a folder at a full path, literally.
bool MakeFolder(const std::wstring& path);
// Deletes everything below `folder` (left in place), opening every path literally and never
// following links. For fixtures holding names the plain fixture removal cannot handle.
void EmptyFolderLiterally(const std::wstring& folder);

// Creates `link` pointing at `relativeTarget` (relative to the link's folder, e.g. "..").
// On Windows through CreateSymbolicLinkW (which needs the privilege or developer mode);
// under Wine, whose CreateSymbolicLinkW makes no link, as a Unix symbolic link made by
// /bin/ln, which Wine shows as a directory reparse point. False when neither works.
bool CreateDirectoryLink(const std::wstring& link, const std::wstring& relativeTarget);
// Removes a link made by CreateDirectoryLink while its target still exists. (Wine's
// RemoveDirectoryW follows a link and removes an empty target instead.)
bool RemoveDirectoryLink(const std::wstring& link);

// Creates `levels` nested folders named `name` below `parent`, each by name below the
// handle of the one above (under Wine a path-based create costs more with every level).
// `fileSizeAt(level)` gives the size of a file "f" to put at that level (1-based), or 0.
bool MakeFolderChain(const std::wstring& parent, const std::wstring& name, int levels,
                     size_t (*fileSizeAt)(int level));
// Removes such a chain (its files "f" included) bottom up, leaving `parent`.
void RemoveFolderChain(const std::wstring& parent, const std::wstring& name);

}  // namespace folder_tests
