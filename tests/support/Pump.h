#pragma once
// Waiting in tests: pump this thread's messages until a condition holds, never a fixed sleep.
#include "framework/Win32.h"

#include <functional>

namespace testing_support {

// Pumps messages (through the framework's PreTranslate, as the programs' loops do) until
// `done` returns true or `timeoutMs` passes. Returns the last value of `done`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Pumps whatever is waiting now, and the messages those produce.
void PumpPending();

}  // namespace testing_support
