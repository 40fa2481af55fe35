#pragma once

#include <cstdint>
#include <string>

#include "core/shell/platform_services.h"

namespace q6 {

// The dimmer's clock as its RAM words give it; the fields may name no valid date or time.
struct DimmerTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

// A day or month of 0 counts as 1; seconds and the day of the week are not shown.
DimmerTime DimmerTimeFromWords(std::uint16_t minSec, std::uint16_t daysHour,
                               std::uint16_t monthsDate, std::uint16_t year);

// "dd.MM.yyyy", ten blanks, "HH:mm".
std::string DimmerTimeText(const DimmerTime& time);

// True when the dimmer's time is no valid date and time, or lies more than five whole minutes
// from the PC's time in either direction.
bool DimmerClockDeviates(const DimmerTime& time, const LocalDateTime& now);

}  // namespace q6
