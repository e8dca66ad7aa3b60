#pragma once
// The skin manager: one per process, created on first use. It loads the suite's skin file
// and reports whether it could be read; the windows keep their standard look either way.
#include <string>

class CSkinManager {
public:
    static CSkinManager& Instance();

    // Loads the skin from `fileName` (a relative name is resolved against the current
    // folder). `settingsFile` may be null. True when the file could be opened and read.
    bool LoadSkin(const wchar_t* fileName, const wchar_t* settingsFile = nullptr);

    bool IsLoaded() const { return m_bLoaded; }
    const std::wstring& FileName() const { return m_fileName; }

private:
    CSkinManager() = default;
    bool m_bLoaded = false;
    std::wstring m_fileName;
};
