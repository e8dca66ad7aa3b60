#include "renamory/engine/EngineClock.h"
#include <atomic>
#include <cstdlib>

namespace renamory {

namespace {
std::atomic<EngineClock*> g_installedClock{nullptr};
}  // namespace

SYSTEMTIME EngineClock::LocalTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now;
}

std::time_t EngineClock::CalendarTime() {
    return std::time(nullptr);
}

void EngineClock::SeedRandom(unsigned seed) {
    std::srand(seed);
}

int EngineClock::NextRandom() {
    return std::rand();
}

EngineClock& CurrentEngineClock() {
    static EngineClock systemClock;
    EngineClock* installed = g_installedClock.load();
    return installed ? *installed : systemClock;
}

EngineClock* SetEngineClock(EngineClock* clock) {
    return g_installedClock.exchange(clock);
}

}  // namespace renamory
