#include <gtest/gtest.h>
#include "framework/MessageBoxSeam.h"
TEST(MessageBoxSeam, HandlerRecordsAndAnswers) {
    std::wstring seen;
    auto old = fw::SetMessageBoxHandler([&](HWND, const std::wstring& t, const std::wstring&, UINT) { seen = t; return IDYES; });
    EXPECT_EQ(IDYES, fw::ShowMessageBox(nullptr, L"hello", L"cap", MB_YESNO));
    EXPECT_EQ(L"hello", seen);
    fw::SetMessageBoxHandler(old);
}
