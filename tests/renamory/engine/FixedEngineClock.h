#pragma once
// A clock for engine tests: a fixed local time and calendar time, and optionally a scripted
// series of "random" numbers in place of the run-time generator.
#include <ctime>
#include <optional>
#include <vector>
#include "renamory/engine/EngineClock.h"

namespace renamory::test {

// 9 December 2008, 14:05:09 (a Tuesday).
inline SYSTEMTIME NinthDecember2008() {
    SYSTEMTIME time{};
    time.wYear = 2008;
    time.wMonth = 12;
    time.wDayOfWeek = 2;
    time.wDay = 9;
    time.wHour = 14;
    time.wMinute = 5;
    time.wSecond = 9;
    return time;
}

class FixedEngineClock : public EngineClock {
public:
    SYSTEMTIME localTime = NinthDecember2008();
    std::time_t calendarTime = 1228831509;  // the same moment in UTC
    std::vector<unsigned> seeds;             // every seed given, in order
    std::optional<std::vector<int>> scriptedRandoms;

    SYSTEMTIME LocalTime() override { return localTime; }
    std::time_t CalendarTime() override { return calendarTime; }
    void SeedRandom(unsigned seed) override {
        seeds.push_back(seed);
        m_next = 0;
        EngineClock::SeedRandom(seed);
    }
    int NextRandom() override {
        if (scriptedRandoms) {
            return (*scriptedRandoms)[m_next++ % scriptedRandoms->size()];
        }
        return EngineClock::NextRandom();
    }

private:
    size_t m_next = 0;
};

}  // namespace renamory::test
