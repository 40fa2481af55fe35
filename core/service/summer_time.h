#pragma once

#include "core/shell/platform_services.h"

namespace q6 {

// The program's own summer period on a local date and time: from the last Sunday of March at
// 02:00 (inclusive) to the last Sunday of October at 03:00 (exclusive); up to 1995 it ended in
// September, and up to 1980 there was none. The PC's own zone rules do not enter.
bool IsSummerTime(const LocalDateTime& t);

// The daylight bias of the PC's time zone as a fraction of a day: negative where summer time is
// ahead of standard time, 0 for a zone without daylight saving or when the zone is unknown.
double GetDaylightBias(const WallClock& clock);

}  // namespace q6
