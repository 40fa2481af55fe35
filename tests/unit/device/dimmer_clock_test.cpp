#include "core/device/dimmer_clock.h"

#include <gtest/gtest.h>

namespace q6 {
namespace {

TEST(DimmerClock, TextFromTheClockWords) {
  struct Case {
    std::uint16_t minSec, daysHour, monthsDate, year;
    const char* text;
  };
  for (const auto& c : {
           Case{0x0000, 0x0000, 0x0000, 0x0019, "01.01.2025          00:00"},
           Case{0x1E2A, 0x0317, 0x0C1F, 0x0019, "31.12.2025          23:30"},
           Case{0x3B00, 0x0018, 0x0D20, 0xFF63, "32.13.2099          24:59"},
           Case{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, "255.255.2255          255:255"},
       }) {
    EXPECT_EQ(DimmerTimeText(DimmerTimeFromWords(c.minSec, c.daysHour, c.monthsDate, c.year)),
              c.text);
  }
}

TEST(DimmerClock, DeviatesBeyondFiveWholeMinutesInEitherDirection) {
  const DimmerTime noon{2025, 1, 1, 12, 0};
  const DimmerTime sixPast{2025, 1, 1, 12, 6};
  struct Case {
    DimmerTime dimmer;
    LocalDateTime pc;
    bool deviates;
  };
  for (const auto& [dimmer, pc, deviates] : {
           Case{noon, {2025, 1, 1, 12, 5, 59}, false},
           Case{noon, {2025, 1, 1, 12, 6, 0}, true},
           Case{sixPast, {2025, 1, 1, 12, 0, 1}, false},
           Case{sixPast, {2025, 1, 1, 12, 0, 0}, true},
           Case{noon, {2025, 1, 1, 12, 0, 0}, false},
           Case{{2025, 1, 1, 0, 2}, {2024, 12, 31, 23, 58, 0}, false},
           Case{{2024, 2, 29, 0, 0}, {2024, 2, 29, 0, 0, 0}, false},
       })
    EXPECT_EQ(DimmerClockDeviates(dimmer, pc), deviates) << DimmerTimeText(dimmer);
}

TEST(DimmerClock, NoValidDateOrTimeDeviates) {
  const LocalDateTime pc{2025, 2, 28, 12, 0, 0};
  for (const DimmerTime& dimmer : {
           DimmerTime{2025, 13, 1, 12, 0},
           DimmerTime{2025, 2, 29, 12, 0},
           DimmerTime{2025, 2, 28, 24, 0},
           DimmerTime{2025, 2, 28, 12, 60},
           DimmerTime{2255, 255, 255, 255, 255},
       })
    EXPECT_TRUE(DimmerClockDeviates(dimmer, pc)) << DimmerTimeText(dimmer);
}

}  // namespace
}  // namespace q6
