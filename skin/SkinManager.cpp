#include "skin/SkinManager.h"

#include "framework/Handles.h"

CSkinManager& CSkinManager::Instance() {
    static CSkinManager manager;
    return manager;
}

bool CSkinManager::LoadSkin(const wchar_t* fileName, const wchar_t*) {
    m_fileName = fileName ? fileName : L"";
    m_bLoaded = false;
    if (m_fileName.empty()) return false;
    fw::FileHandle file(::CreateFileW(m_fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    // The skin's painting is not part of these programs; reading the file is the contract.
    char probe[512];
    DWORD read = 0;
    m_bLoaded = ::ReadFile(file.Get(), probe, sizeof(probe), &read, nullptr) != FALSE;
    return m_bLoaded;
}
