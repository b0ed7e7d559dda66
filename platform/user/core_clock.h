// The window core's clock: the monotonic clock, or a manual one that tests advance.
#pragma once

#include <cstdint>

#include "platform/win32_types.h"

namespace platform::user {

// Milliseconds for timers and hover.
uint64_t CoreNowMs();
// Message times (MSG::time, double-click timing).
DWORD CoreTicks();
// Freezes the clock at the current time; from then on only AdvanceManualClock
// moves it. Off returns to the monotonic clock.
void SetManualClock(bool on);
void AdvanceManualClock(DWORD ms);
bool IsManualClock();

}  // namespace platform::user
