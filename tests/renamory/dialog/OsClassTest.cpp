#include "renamory/OsClass.h"

#include <gtest/gtest.h>

namespace {

struct OsCase {
    const char* name;
    DWORD platform;
    DWORD major;
    DWORD minor;
    BYTE productType;
    WORD architecture;
    int serverR2;
    BYTE expected;
};

void PrintTo(const OsCase& c, std::ostream* out) { *out << c.name; }

OsVersionFacts Facts(const OsCase& c) {
    OsVersionFacts facts;
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    info.dwPlatformId = c.platform;
    info.dwMajorVersion = c.major;
    info.dwMinorVersion = c.minor;
    info.wProductType = c.productType;
    facts.version = info;
    facts.processorArchitecture = c.architecture;
    facts.serverR2 = c.serverR2;
    return facts;
}

class OsClassTest : public ::testing::TestWithParam<OsCase> {};

TEST_P(OsClassTest, Classifies) {
    EXPECT_EQ(GetParam().expected, ClassifyOs(Facts(GetParam())));
}

constexpr DWORD kNt = VER_PLATFORM_WIN32_NT;
constexpr BYTE kWork = VER_NT_WORKSTATION;
constexpr BYTE kServer = VER_NT_SERVER;
constexpr WORD kX86 = PROCESSOR_ARCHITECTURE_INTEL;
constexpr WORD kAmd64 = PROCESSOR_ARCHITECTURE_AMD64;

INSTANTIATE_TEST_SUITE_P(
    VersionTable, OsClassTest,
    ::testing::Values(
        OsCase{"NotNt", VER_PLATFORM_WIN32_WINDOWS, 4, 10, kWork, kX86, 0, 0},
        OsCase{"Windows2000", kNt, 5, 0, kWork, kX86, 0, 1},
        OsCase{"WindowsXP", kNt, 5, 1, kWork, kX86, 0, 2},
        OsCase{"Vista", kNt, 6, 0, kWork, kAmd64, 0, 3},
        OsCase{"Server2008", kNt, 6, 0, kServer, kAmd64, 0, 4},
        OsCase{"XPx64", kNt, 5, 2, kWork, kAmd64, 0, 5},
        OsCase{"Server2003R2", kNt, 5, 2, kWork, kAmd64, 1, 6},
        OsCase{"Server2003", kNt, 5, 2, kServer, kAmd64, 0, 6},
        OsCase{"Workstation52OnX86", kNt, 5, 2, kWork, kX86, 0, 6},
        OsCase{"NT4", kNt, 4, 0, kWork, kX86, 0, 7},
        OsCase{"NT351", kNt, 3, 51, kWork, kX86, 0, 7},
        OsCase{"Windows7", kNt, 6, 1, kWork, kAmd64, 0, 0},
        OsCase{"Windows10", kNt, 10, 0, kWork, kAmd64, 0, 0},
        OsCase{"Minor53", kNt, 5, 3, kWork, kX86, 0, 0}),
    [](const ::testing::TestParamInfo<OsCase>& info) { return std::string(info.param.name); });

TEST(OsClassFailure, NoVersionIsClassZero) {
    EXPECT_EQ(0, ClassifyOs(OsVersionFacts{}));
}

}  // namespace
