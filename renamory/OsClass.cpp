#include "renamory/OsClass.h"

OsVersionFacts ReadOsVersionFacts() {
    OsVersionFacts facts;
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXW);
    BOOL ok = ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
    if (!ok) {
        info = {};
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
        ok = ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
    }
    if (ok) facts.version = info;

    SYSTEM_INFO system{};
    using NativeInfo = void(WINAPI*)(SYSTEM_INFO*);
    auto native = reinterpret_cast<NativeInfo>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetNativeSystemInfo")));
    if (native) native(&system);
    else ::GetSystemInfo(&system);
    facts.processorArchitecture = system.wProcessorArchitecture;
    facts.serverR2 = ::GetSystemMetrics(SM_SERVERR2);
    return facts;
}

BYTE ClassifyOs(const OsVersionFacts& facts) {
    if (!facts.version) return kOsOther;
    const OSVERSIONINFOEXW& v = *facts.version;
    if (v.dwPlatformId != VER_PLATFORM_WIN32_NT) return kOsOther;
    if (v.dwMajorVersion == 6) {
        if (v.dwMinorVersion != 0) return kOsOther;
        return v.wProductType == VER_NT_WORKSTATION ? kOsWindowsVista : kOsWindowsServer2008;
    }
    if (v.dwMajorVersion == 5) {
        switch (v.dwMinorVersion) {
        case 2:
            if (facts.serverR2 != 0) return kOsWindowsServer2003;
            if (v.wProductType != VER_NT_WORKSTATION) return kOsWindowsServer2003;
            if (facts.processorArchitecture != PROCESSOR_ARCHITECTURE_AMD64) return kOsWindowsServer2003;
            return kOsWindowsXPx64;
        case 1:
            return kOsWindowsXP;
        case 0:
            return kOsWindows2000;
        default:
            return kOsOther;
        }
    }
    if (v.dwMajorVersion <= 4) return kOsWindowsNT4;
    return kOsOther;
}

BYTE GetOsClass() { return ClassifyOs(ReadOsVersionFacts()); }
