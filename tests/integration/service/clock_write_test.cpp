// Setting the dimmer's clock from the PC clock, through the poll state machine and the
// simulated dimmer.

#include <gtest/gtest.h>

#include "core/device/memory_image.h"
#include "service_fixture.h"

namespace q6 {
namespace {

class ClockWriteTest : public test::ServiceTest {};

TEST_F(ClockWriteTest, TheDimmerTakesThePcTimeInStandardTime) {
  platform.clockNow = {2015, 7, 15, 14, 30, 5};
  platform.zone = ZoneOffsets{60, 120};
  connect();
  Button& button = form().pcClock.clk_bt;
  ASSERT_TRUE(button.enabled());

  button.click();
  EXPECT_FALSE(button.enabled());
  EXPECT_TRUE(form().TimeWriteRequest);
  EXPECT_FALSE(form().RamReadRequest);
  tickUntil([this] { return form().SioState == 10; });
  EXPECT_FALSE(button.enabled());
  settle();

  const sim::Dimmer& device = dimmer->dimmer;
  EXPECT_EQ(device.ramWord(0x0100), 0x1E05);
  EXPECT_EQ(device.ramWord(0x0102), 0x040D);
  EXPECT_EQ(device.ramWord(0x0104), 0x070F);
  EXPECT_EQ(device.ramWord(0x0106), 15);
  // The dimmer's clock now runs in standard time, as the next RAM block shows.
  EXPECT_EQ(RamWord(form().RamRData, 0x0072) & 0xFF, 13);
  EXPECT_EQ(RamWord(form().RamRData, 0x0074), 0x070F);
  EXPECT_TRUE(button.enabled());
  EXPECT_TRUE(form().RamReadRequest);
  EXPECT_FALSE(form().TimeWriteRequest);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ClockWriteTest, APcYearBefore2000IsRefusedWithAMessage) {
  connect();
  platform.clockNow = {1999, 12, 31, 23, 0, 0};
  form().pcClock.clk_bt.click();
  settle();
  EXPECT_EQ(dimmer->dimmer.ramWord(0x0100), 0);
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_NE(platform.messages[0].find("2000"), std::string::npos);
  EXPECT_TRUE(form().pcClock.clk_bt.enabled());
  EXPECT_TRUE(form().RamReadRequest);
}

TEST_F(ClockWriteTest, TheButtonWorksOnlyWhileConnected) {
  Button& button = form().pcClock.clk_bt;
  EXPECT_FALSE(button.enabled());
  connect();
  EXPECT_TRUE(button.enabled());
  form().comm.BtComActivate.click();
  EXPECT_FALSE(button.enabled());
}

TEST_F(ClockWriteTest, ThePcClockLabelFollowsTheHelpTimer) {
  platform.clockNow = {2015, 7, 5, 9, 3, 59};
  form().frame.Helptimer.fire();
  EXPECT_EQ(form().pcClock.PC_Zeit.caption(), "05.07.2015          09:03");
}

}  // namespace
}  // namespace q6
