#include "support/Pump.h"

#include "framework/Window.h"

namespace testing_support {

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        fw::PumpWaitingMessages();
        if (done()) return true;
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline) return done();
        // Sleep until a message arrives or a short slice passes (the condition may change on
        // another thread without any message for us).
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                      QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void PumpPending() {
    for (int i = 0; i < 4; ++i) fw::PumpWaitingMessages();
}

}  // namespace testing_support
