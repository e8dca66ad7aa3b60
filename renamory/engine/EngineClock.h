#pragma once
// Where the rename engine gets the time and its random numbers. [DATE] and [TIME] read the
// local time, [RAND] seeds the generator with the calendar time and draws from it. The real
// clock is the default; tests install one with a fixed time and seed.
#include <windows.h>
#include <ctime>

namespace renamory {

class EngineClock {
public:
    virtual ~EngineClock() = default;

    // The local wall-clock time (GetLocalTime).
    virtual SYSTEMTIME LocalTime();
    // The calendar time in whole seconds (time), used as the random seed.
    virtual std::time_t CalendarTime();
    // The C run-time generator (srand, rand). It keeps its state per thread, so the rename
    // worker and the dialog do not disturb each other's sequence.
    virtual void SeedRandom(unsigned seed);
    virtual int NextRandom();
};

// The clock the engine uses when none is passed: the installed one, else the real clock.
EngineClock& CurrentEngineClock();

// Installs clock for every later engine call without an explicit clock and returns the
// previous one (null for the real clock). Null restores the real clock. The caller keeps
// ownership and must restore the previous clock before destroying its own.
EngineClock* SetEngineClock(EngineClock* clock);

}  // namespace renamory
