#pragma once
// Reads the version resource of a module's file.
#include "framework/Win32.h"

// Turns a version written "1, 0, 60093, 19" into "1.0.60093.19" (every ", " becomes ".").
// The result lives in one static buffer of 128 characters shared by all calls; longer
// results are cut to 127 characters.
const wchar_t* FormatVersionString(const wchar_t* text);

class CFileVersionInfo {
public:
    CFileVersionInfo() { Reset(); }
    virtual ~CFileVersionInfo() { Reset(); }
    CFileVersionInfo(const CFileVersionInfo&) = delete;
    CFileVersionInfo& operator=(const CFileVersionInfo&) = delete;

    // Reads the version resource of the file the module was loaded from.
    BOOL Load(HMODULE module);
    // Copies the named string value of the current translation into `buffer` (at least 128
    // characters; cut to 127 and a terminating zero). With a null buffer only tells whether
    // the value exists.
    BOOL GetStringValue(const wchar_t* name, wchar_t* buffer);
    void Reset();

    BOOL IsValid() const { return m_bValid; }
    const VS_FIXEDFILEINFO& FixedInfo() const { return m_fixedInfo; }

private:
    BOOL LoadFromFile(const wchar_t* path);
    BOOL LoadTranslations();

    VS_FIXEDFILEINFO m_fixedInfo{};
    BYTE* m_pData = nullptr;
    const DWORD* m_pTranslations = nullptr;
    int m_nTranslation = 0;
    int m_nTranslations = 0;
    BOOL m_bValid = FALSE;
};
