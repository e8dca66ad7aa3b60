#include <gtest/gtest.h>

#include "framework/Handles.h"
#include "shared/HelpLauncher.h"

#include <string>
#include <vector>

namespace {

class HelpLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = SetShellOpenFunction([this](const wchar_t* file) { launched.push_back(file); });
    }
    void TearDown() override { SetShellOpenFunction(previous); }

    std::vector<std::wstring> launched;
    ShellOpenFunction previous;
};

TEST_F(HelpLauncherTest, TwoRequestsInARowLaunchTwice) {
    EXPECT_TRUE(LaunchUserGuide());
    EXPECT_TRUE(LaunchUserGuide());
    ASSERT_EQ(2u, launched.size());
    EXPECT_EQ(L"Orvana Clarimo User Guide.chm", launched[0]);
}

TEST_F(HelpLauncherTest, AnotherHolderOfTheLockMeansNoLaunch) {
    fw::KernelHandle other(::CreateMutexW(nullptr, TRUE, L"qmx_helpinfo"));
    ASSERT_TRUE(other);
    EXPECT_FALSE(LaunchUserGuide());
    EXPECT_TRUE(launched.empty());
    ::ReleaseMutex(other.Get());
    other.Reset();
    EXPECT_TRUE(LaunchUserGuide());
    EXPECT_EQ(1u, launched.size());
}

}  // namespace
