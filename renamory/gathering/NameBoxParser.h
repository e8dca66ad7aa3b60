#pragma once
// How the files-and-folders picker turns its folder and its name box into full paths.
#include <string>
#include <vector>

// The current folder with one "\" at the end ("\" alone for an empty folder).
std::wstring FolderPrefix(const std::wstring& currentFolder);

// The name box's entries as full paths: the whole text after the prefix when it holds no
// double quote; otherwise each quoted name, in order. Text after the last quote is not
// taken, and one space right after a closing quote is the separator, not part of a name.
std::vector<std::wstring> ParseNameBox(const std::wstring& prefix, const std::wstring& text);
