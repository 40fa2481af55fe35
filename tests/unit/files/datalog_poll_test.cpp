// The data logger fed by the poll state machine against the simulated dimmer.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/in_process_program.h"

namespace q6 {
namespace {

class DatalogPollTest : public test::InProcessProgramTest {
 protected:
  void poll(int ticks) {
    for (int i = 0; i < ticks; ++i) tick();
  }
  void startLogging(const std::string& path) {
    form().PathDatalog = path;
    form().datalog.cb_datenlog.setChecked(true);
  }
  static std::size_t LineCount(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::size_t count = 0;
    for (std::string line; std::getline(in, line);) ++count;
    return count;
  }
  const std::string log = (platform.dir.path() / "datalog.txt").string();
};

TEST_F(DatalogPollTest, EachDueSampleBecomesOneLineAtTheNextRamReply) {
  start();
  switchOn();
  tickUntil([this] { return form().SioState == 4; });
  startLogging(log);
  for (int sample = 0; sample < 3; ++sample) {
    form().frame.Timer_Datalog.fire();
    poll(8);
  }
  EXPECT_EQ(LineCount(log), 4U);
  EXPECT_FALSE(form().datalog_request);
}

TEST_F(DatalogPollTest, AReplyWithAWrongSumWritesNothingAndTheSampleStaysDue) {
  start(sim::Fault::BlockSum);
  switchOn();
  tickUntil([this] { return form().SioState == 4; });
  startLogging(log);
  form().frame.Timer_Datalog.fire();
  poll(30);
  EXPECT_FALSE(std::filesystem::exists(log));
  EXPECT_TRUE(form().datalog_request);
}

TEST_F(DatalogPollTest, AnUnwritableFileLeavesPollingGoing) {
  start();
  switchOn();
  startLogging((platform.dir.path() / "missing" / "datalog.txt").string());
  for (int sample = 0; sample < 3; ++sample) {
    form().frame.Timer_Datalog.fire();
    poll(8);
  }
  EXPECT_FALSE(form().datalog_request);
  EXPECT_TRUE(form().sio_active);
  // The lost samples are reported once, naming the file, not at every sample.
  ASSERT_EQ(platform.messages.size(), 1U) << ::testing::PrintToString(platform.messages);
  EXPECT_NE(platform.messages[0].find("datalog.txt"), std::string::npos);
  const int before = form().SioState;
  tickUntil([this, before] { return form().SioState != before; });
  EXPECT_TRUE(form().frame.SPStimer.enabled());
}

}  // namespace
}  // namespace q6
