#include "sim/dimmer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace q6::sim {
namespace {

using namespace std::chrono;

// Monday 2024-03-04, 21:30:00.
const DeviceTime kMondayEvening = sys_days{2024y / March / 4} + 21h + 30min;

class DimmerFirmware : public testing::Test {
 protected:
  void Write(std::uint16_t address, std::uint16_t value) {
    dimmer.writeRamWord(address, value, now);
  }
  // Passes time the way the program's polling does, in steps of a second.
  void Wait(seconds time) {
    for (seconds passed{0}; passed < time; ++passed) {
      now += 1s;
      dimmer.advance(now);
    }
  }

  Clock::time_point now{};
  Dimmer dimmer{DefaultEepromImage(), Fault::None, kMondayEvening, now};
};

TEST_F(DimmerFirmware, ClockRunsAndCanBeSet) {
  EXPECT_EQ(dimmer.ramWord(0x0070), 30 << 8 | 0);  // minute 30, second 0
  EXPECT_EQ(dimmer.ramWord(0x0072), 2 << 8 | 21);  // Monday, 21 h
  EXPECT_EQ(dimmer.ramWord(0x0074), 3 << 8 | 4);   // March 4
  EXPECT_EQ(dimmer.ramWord(0x0076), 24);
  Wait(61s);
  EXPECT_EQ(dimmer.ramWord(0x0070), 31 << 8 | 1);

  Write(0x0100, 5 << 8 | 6);   // 05:06
  Write(0x0102, 7 << 8 | 23);  // Saturday, 23 h
  Write(0x0104, 12 << 8 | 31);
  Write(0x0106, 25);
  Write(0x006C, 0x0001);
  EXPECT_EQ(dimmer.ramWord(0x006C), 0);
  EXPECT_EQ(dimmer.ramWord(0x0070), 5 << 8 | 6);
  EXPECT_EQ(dimmer.ramWord(0x0072), 4 << 8 | 23);  // 2025-12-31 is a Wednesday
  EXPECT_EQ(dimmer.ramWord(0x0074), 12 << 8 | 31);
  EXPECT_EQ(dimmer.ramWord(0x0076), 25);
}

TEST_F(DimmerFirmware, StateRequestsShowInRegime) {
  Wait(20s);
  EXPECT_EQ(dimmer.ramWord(0x0048) / 10, 2);  // dimmed normal operation in period 1
  Write(0x008E, 91);
  Wait(1s);
  EXPECT_EQ(dimmer.ramWord(0x0048), 91);
  Write(0x008E, 40);
  Write(0x0090, 2100);
  Write(0x0092, 60);
  Write(0x006C, 0x0010);
  Wait(1s);
  EXPECT_EQ(dimmer.ramWord(0x0048), 40);
  EXPECT_NEAR(dimmer.ramWord(0x0032), 2100, 3);
  EXPECT_EQ(dimmer.ramWord(0x0044), 60);
  Write(0x008E, 94);
  Wait(1s);
  EXPECT_EQ(dimmer.ramWord(0x0048), 94);
  Wait(2s);
  EXPECT_EQ(dimmer.ramWord(0x0048), 0);
  Write(0x008E, 2);
  Wait(1s);
  EXPECT_EQ(dimmer.ramWord(0x0048) / 10, 2);
}

TEST_F(DimmerFirmware, CommandBitsActAndAreAcknowledged) {
  int takenOver = 0;
  dimmer.onEepromTakenOver = [&](const EepromImage&) { ++takenOver; };
  Write(0x006C, 0x0002);
  EXPECT_EQ(takenOver, 1);
  EXPECT_NE(dimmer.eepromWord(0x01FE), 0);
  Write(0x006C, 0x0020);
  EXPECT_EQ(dimmer.eepromWord(0x01FE), 0);
  EXPECT_EQ(dimmer.eepromWord(0x0200), 0xFFFF);
  EXPECT_EQ(dimmer.ramWord(0x006C), 0);
}

TEST_F(DimmerFirmware, OperatingHoursCountAndTheReductionFollowsTheProfile) {
  const auto hours = [&](std::uint16_t address) {
    return dimmer.ramWord(static_cast<std::uint16_t>(address + 2)) << 16 | dimmer.ramWord(address);
  };
  const auto total = hours(0x0050);
  const auto dimmed = hours(0x0054);
  Wait(60s);
  EXPECT_GT(hours(0x0050), total);
  EXPECT_GT(hours(0x0054), dimmed);
  EXPECT_EQ(dimmer.ramWord(0x003C), 30);
  EXPECT_EQ(dimmer.ramWord(0x003E), 30);
  EXPECT_EQ(dimmer.ramWord(0x004C), 1);
}

TEST(DimZone, FollowsTheNightsProfile) {
  const EepromImage eeprom = DefaultEepromImage();
  struct Case {
    DeviceTime time;
    int zone;
  };
  const sys_days monday = 2024y / March / 4;
  const sys_days friday = 2024y / March / 8;
  for (const Case& c : {Case{monday + 19h, 0}, Case{monday + 20h, 1}, Case{monday + 23h, 2},
                        Case{monday + days{1} + 5h + 30min, 3}, Case{monday + days{1} + 6h, 0},
                        Case{friday + 21h, 4}, Case{friday + 23h, 5},
                        Case{friday + days{1} + 1h, 6}, Case{friday + days{1} + 7h + 30min, 7},
                        Case{friday + days{1} + 9h, 4}, Case{friday + days{2} + 23h, 2}}) {
    EXPECT_EQ(DimZone(c.time, eeprom), c.zone) << c.time.time_since_epoch().count();
  }
  EXPECT_EQ(ZoneReduction(2, eeprom), 67);
  EXPECT_EQ(ZoneReduction(7, eeprom), 30);
  EXPECT_EQ(ZoneReduction(4, eeprom), 0);
}

}  // namespace
}  // namespace q6::sim
