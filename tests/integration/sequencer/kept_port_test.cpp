// The port kept open across an offline period, against the simulated dimmer in process.

#include <gtest/gtest.h>

#include "support/in_process_program.h"

namespace q6 {
namespace {

using KeptPortTest = test::InProcessProgramTest;

TEST_F(KeptPortTest, APortThatWentAwayWhileOfflineIsOpenedAfreshWithoutAMessage) {
  start();
  switchOn();
  tickUntil([this] { return form().EepSynchron; });
  switchOn();  // off; the port stays open
  ASSERT_TRUE(test::WaitUntilIdle(form().link));
  dimmer->unplug();

  switchOn();
  EXPECT_EQ(form().SioState, 1) << "the kept port is tried first";
  bool reopened = false;
  tickUntil([&] {
    reopened = reopened || form().SioState == 0;
    return form().EepSynchron;
  });
  EXPECT_TRUE(reopened);
  EXPECT_TRUE(platform.messages.empty()) << ::testing::PrintToString(platform.messages);
  EXPECT_TRUE(form().sio_started);
}

TEST_F(KeptPortTest, APortThatBreaksAfterItsFirstGoodExchangeIsReportedOnce) {
  start();
  switchOn();
  tickUntil([this] { return form().EepSynchron; });
  switchOn();  // off
  switchOn();
  tickUntil([this] { return form().EepSynchron; });
  ASSERT_TRUE(test::WaitUntilIdle(form().link));
  dimmer->unplug();
  tickUntil([this] { return !form().sio_started; });
  EXPECT_EQ(platform.messages, std::vector<std::string>{"       COM Data-Error!       "});
}

}  // namespace
}  // namespace q6
