#include "core/device/live_format.h"

#include <gtest/gtest.h>

namespace q6 {
namespace {

TEST(LiveFormat, TenthsRoundHalvesAwayFromZero) {
  EXPECT_EQ(TenthsWhole(2304), "230");
  EXPECT_EQ(TenthsWhole(2305), "231");
  EXPECT_EQ(TenthsWhole(0xFFF6), "6553");
  EXPECT_EQ(TenthsWhole(0xFFFF), "6554");
  EXPECT_EQ(TenthsOneDecimal(-10, ','), "-1,0");
  EXPECT_EQ(TenthsOneDecimal(-5, ','), "-0,5");
  EXPECT_EQ(TenthsOneDecimal(2305, '.'), "230.5");
  EXPECT_EQ(TenthsOneDecimal(-32768, ','), "-3276,8");
}

TEST(LiveFormat, FrequencyFromPeriod) {
  struct Case {
    std::uint16_t period;
    const char* shown;
  };
  for (const auto& [period, shown] : {
           Case{0, "---"}, Case{200, "50"}, Case{1, "10000"}, Case{3, "3333"},
           Case{160, "62"},   // 62.5: the even neighbour
           Case{800, "12"},   // 12.5
           Case{4000, "2"},   // 2.5
           Case{143, "70"},   // 69.93
           Case{65535, "0"},  // 0.15
       })
    EXPECT_EQ(FrequencyFromPeriod(period), shown) << period;
}

TEST(LiveFormat, ActualPowerReductionFollowsTheSetValueWhenOneAway) {
  struct Case {
    std::uint16_t actual;
    std::uint16_t set;
    std::uint16_t shown;
  };
  for (const auto& [actual, set, shown] : {
           Case{29, 30, 30},
           Case{11, 10, 10},
           Case{30, 30, 30},
           Case{0, 65535, 0},
           Case{65535, 0, 65535},
       })
    EXPECT_EQ(ShownPowerReduction(actual, set), shown) << actual << " / " << set;
  EXPECT_EQ(Percent(30), "30 %");
}

TEST(LiveFormat, Durations) {
  EXPECT_EQ(Duration(3725), "01:02:05");
  EXPECT_EQ(Duration(65535), "18:12:15");
  EXPECT_EQ(Duration(0), "00:00:00");
}

TEST(LiveFormat, OperatingHoursKeepEightSignificantDigits) {
  struct Case {
    std::uint32_t seconds;
    char decimal;
    const char* shown;
  };
  for (const auto& [seconds, decimal, shown] : {
           Case{9000, ',', "2,50 h"},
           Case{0, ',', "0,00 h"},
           Case{0xFFFFFFFF, ',', "1193046,50 h"},
           Case{444444444, '.', "123456.79 h"},
           Case{36000000, ',', "10000,00 h"},
           Case{36, ',', "0,01 h"},
       })
    EXPECT_EQ(OperatingHours(seconds, decimal), shown) << seconds;
}

}  // namespace
}  // namespace q6
