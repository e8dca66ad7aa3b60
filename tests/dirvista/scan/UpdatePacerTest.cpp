#include <gtest/gtest.h>

#include "dirvista/scan/UpdatePacer.h"

#include <chrono>

namespace {

using dirvista::UpdatePacer;
using namespace std::chrono_literals;

class UpdatePacerTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { ::DestroyWindow(window); }

    // True when the pacer's timer is armed on the window.
    bool TimerArmed(UINT_PTR id) {
        // Setting an existing timer again replaces it; killing tells whether there was one.
        const bool armed = ::KillTimer(window, id) != FALSE;
        if (armed) ::SetTimer(window, id, 60000, nullptr);
        return armed;
    }

    HWND window = nullptr;
};

TEST_F(UpdatePacerTest, AnUpdateTooSoonAfterTheLastWaitsForTheTimerOnce) {
    UpdatePacer pacer(0x77, 1h, 1);
    EXPECT_TRUE(pacer.IsDueNow(window));
    pacer.End(window, pacer.Begin());
    // Within the spacing: not due, the timer is armed, and asking again arms nothing more.
    EXPECT_FALSE(pacer.IsDueNow(window));
    EXPECT_TRUE(pacer.IsPending());
    EXPECT_TRUE(TimerArmed(0x77));
    EXPECT_FALSE(pacer.IsDueNow(window));
    EXPECT_TRUE(pacer.IsTimer(0x77));
    EXPECT_FALSE(pacer.IsTimer(0x78));
    // The update done (from the timer) disarms it.
    pacer.End(window, pacer.Begin());
    EXPECT_FALSE(pacer.IsPending());
    EXPECT_FALSE(TimerArmed(0x77));
}

TEST_F(UpdatePacerTest, ResetMakesTheNextUpdateDueAtOnce) {
    UpdatePacer pacer(0x77, 1h, 1);
    pacer.End(window, pacer.Begin());
    EXPECT_FALSE(pacer.IsDueNow(window));
    pacer.Reset(window);
    EXPECT_FALSE(pacer.IsPending());
    EXPECT_FALSE(TimerArmed(0x77));
    EXPECT_TRUE(pacer.IsDueNow(window));
}

TEST_F(UpdatePacerTest, ASlowUpdateKeepsToItsShareOfTheTime) {
    // No fixed spacing: an update that took a while is not due again until it would have
    // taken at most a tenth of the time.
    UpdatePacer pacer(0x77, 0ms, 10);
    const auto begun = pacer.Begin() - 1h;  // as if the update had taken an hour
    pacer.End(window, begun);
    EXPECT_FALSE(pacer.IsDueNow(window));
    // With the whole time to itself, an update is due again as soon as it ends.
    UpdatePacer unpaced(0x78, 0ms, 1);
    unpaced.End(window, unpaced.Begin() - 1h);
    EXPECT_TRUE(unpaced.IsDueNow(window));
}

// Without a window to hold a timer, an update is never left waiting for one.
TEST(UpdatePacer, WithoutATimerTheUpdateIsDueAtOnce) {
    UpdatePacer pacer(0x77, std::chrono::hours(1), 1);
    pacer.End(nullptr, pacer.Begin());
    EXPECT_TRUE(pacer.IsDueNow(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234))));
}

}  // namespace
