#include "shared/FileVersionInfo.h"

#include <cstdio>
#include <cstring>
#include <string>

const wchar_t* FormatVersionString(const wchar_t* text) {
    static wchar_t buffer[128];
    std::wstring result = text ? text : L"";
    for (size_t pos = result.find(L", "); pos != std::wstring::npos; pos = result.find(L", ", pos + 1))
        result.replace(pos, 2, L".");
    std::memset(buffer, 0, sizeof(buffer));
    // Never write past the buffer, whatever the caller passed.
    std::swprintf(buffer, 128, L"%.127ls", result.c_str());
    return buffer;
}

BOOL CFileVersionInfo::Load(HMODULE module) {
    if (!module) return FALSE;
    wchar_t path[260] = {};
    if (!::GetModuleFileNameW(module, path, 260)) return FALSE;
    Reset();
    if (!LoadFromFile(path) || !LoadTranslations()) Reset();
    return m_bValid;
}

BOOL CFileVersionInfo::LoadFromFile(const wchar_t* path) {
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path, &handle);
    if (!size) return m_bValid;
    m_pData = new (std::nothrow) BYTE[size];
    if (!m_pData) return m_bValid;
    if (!::GetFileVersionInfoW(path, 0, size, m_pData)) return m_bValid;
    void* fixed = nullptr;
    UINT length = 0;
    if (::VerQueryValueW(m_pData, L"\\", &fixed, &length) && fixed && length >= sizeof(m_fixedInfo)) {
        std::memcpy(&m_fixedInfo, fixed, sizeof(m_fixedInfo));
        m_bValid = m_fixedInfo.dwSignature == 0xFEEF04BD;
    }
    return m_bValid;
}

BOOL CFileVersionInfo::LoadTranslations() {
    if (!m_bValid) return FALSE;
    void* table = nullptr;
    UINT length = 0;
    if (::VerQueryValueW(m_pData, L"\\VarFileInfo\\Translation", &table, &length) && table) {
        m_pTranslations = static_cast<const DWORD*>(table);
        m_nTranslations = static_cast<int>(length / 4);
    }
    return m_pTranslations != nullptr;
}

BOOL CFileVersionInfo::GetStringValue(const wchar_t* name, wchar_t* buffer) {
    if (!m_bValid || !name) return FALSE;
    if (buffer) std::memset(buffer, 0, 256);
    const DWORD entry = (m_nTranslation < m_nTranslations && m_pTranslations)
                            ? m_pTranslations[m_nTranslation]
                            : 0;
    wchar_t query[300];
    std::swprintf(query, 300, L"\\StringFileInfo\\%04X%04X\\%ls", entry & 0xFFFF,
                  (entry >> 16) & 0xFFFF, name);
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(m_pData, query, &value, &length) || !value) return FALSE;
    if (!buffer) return TRUE;
    return ::lstrcpynW(buffer, static_cast<const wchar_t*>(value), 128) != nullptr;
}

void CFileVersionInfo::Reset() {
    m_nTranslations = 0;
    m_nTranslation = 0;
    m_bValid = FALSE;
    m_pTranslations = nullptr;
    std::memset(&m_fixedInfo, 0, sizeof(m_fixedInfo));
    delete[] m_pData;
    m_pData = nullptr;
}
