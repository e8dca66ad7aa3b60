#include <gtest/gtest.h>

#include "shared/AboutDlg.h"
#include "shared/FileVersionInfo.h"
#include "shared/res/ResourceIds.h"

namespace {

struct VersionCase {
    const wchar_t* input;
    const wchar_t* expected;
};

class FormatVersionStringTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(FormatVersionStringTest, CommaSpaceBecomesDot) {
    EXPECT_STREQ(GetParam().expected, FormatVersionString(GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatVersionStringTest,
                         ::testing::Values(VersionCase{L"1, 0, 60093, 19", L"1.0.60093.19"},
                                           VersionCase{L"2, 1, 0, 7", L"2.1.0.7"},
                                           VersionCase{L"2,1, 0", L"2,1.0"},
                                           VersionCase{L"", L""},
                                           VersionCase{L"1.2 beta", L"1.2 beta"}));

TEST(FormatVersionString, LongInputIsCutInsteadOfOverflowing) {
    const std::wstring longText(400, L'9');
    EXPECT_EQ(127u, std::wcslen(FormatVersionString(longText.c_str())));
}

TEST(FileVersionInfo, ReadsTheProgramsOwnVersionResource) {
    CFileVersionInfo info;
    ASSERT_TRUE(info.Load(::GetModuleHandleW(nullptr)));
    wchar_t buffer[128];
    ASSERT_TRUE(info.GetStringValue(L"ProductVersion", buffer));
    EXPECT_STREQ(L"1, 0, 60093, 19", buffer);
    EXPECT_FALSE(info.GetStringValue(L"SpecialBuild", buffer));
    EXPECT_STREQ(L"", buffer);
    EXPECT_TRUE(info.GetStringValue(L"ProductVersion", nullptr));
    info.Reset();
    EXPECT_FALSE(info.GetStringValue(L"ProductVersion", buffer));
}

TEST(FileVersionInfo, NullModuleFails) {
    CFileVersionInfo info;
    EXPECT_FALSE(info.Load(nullptr));
    EXPECT_FALSE(info.IsValid());
}

TEST(AboutBox, ShowsTheProductVersionFollowedByOneSpace) {
    CAboutDlg about;
    ASSERT_TRUE(about.Create());
    wchar_t text[128] = {};
    ::GetDlgItemTextW(about.m_hWnd, IDC_PRODUCT_VERSION, text, 128);
    EXPECT_STREQ(L"1.0.60093.19 ", text);
    // White everywhere: the dialog and its controls get the white brush.
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        ::SendMessageW(about.m_hWnd, WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(::GetDlgItem(about.m_hWnd, IDC_PRODUCT_VERSION))));
    LOGBRUSH logBrush{};
    ASSERT_TRUE(::GetObjectW(brush, sizeof(logBrush), &logBrush));
    EXPECT_EQ(RGB(255, 255, 255), logBrush.lbColor);
    wchar_t title[64] = {};
    ::GetWindowTextW(about.m_hWnd, title, 64);
    EXPECT_STREQ(L"About Orvana Dirvista", title);
}

}  // namespace
