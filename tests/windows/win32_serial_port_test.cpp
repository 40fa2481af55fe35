#include "platform/windows/win32_serial_port.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace q6::windows {
namespace {

TEST(Win32SerialPort, AnAbsentPortIsNotOpenedAndLeavesItsErrorNumber) {
  Win32SerialPort port;
  EXPECT_FALSE(port.open(R"(\\.\COM199)"));
  EXPECT_NE(port.lastError(), 0);
}

TEST(Win32SerialPort, EveryCallOnAPortThatIsNotOpenFailsWithAnErrorNumber) {
  Win32SerialPort port;
  std::uint8_t byte = 0x55;
  const auto failsWithNumber = [&port](bool succeeded) {
    return !succeeded && port.lastError() != 0;
  };
  EXPECT_TRUE(failsWithNumber(port.applyLineSettings({38400, 8, 1})));
  EXPECT_TRUE(failsWithNumber(port.setQueueSizes(6144, 6144)));
  EXPECT_TRUE(failsWithNumber(port.setTimeouts({250, 1, 30, 10, 20})));
  EXPECT_TRUE(failsWithNumber(port.purge()));
  EXPECT_TRUE(failsWithNumber(port.write(&byte, 1)));
  EXPECT_TRUE(failsWithNumber(port.read(&byte, 1).has_value()));
  port.close();
  port.close();
}

class DeviceThatIsNoPort : public testing::Test {
 protected:
  void SetUp() override { std::ofstream(file) << "x"; }

  test::TempDir dir;
  std::filesystem::path file = dir.path() / "not-a-port";
};

TEST_F(DeviceThatIsNoPort, OpensButRefusesTheLineSettings) {
  Win32SerialPort port;
  ASSERT_TRUE(port.open(file.string()));
  EXPECT_FALSE(port.applyLineSettings({38400, 8, 1}));
  EXPECT_NE(port.lastError(), 0);
}

TEST_F(DeviceThatIsNoPort, IsOpenedByOnePortAtATime) {
  Win32SerialPort first;
  Win32SerialPort second;
  ASSERT_TRUE(first.open(file.string()));
  EXPECT_FALSE(second.open(file.string()));
  EXPECT_EQ(second.lastError(), 32) << "a sharing violation";
  first.close();
  EXPECT_TRUE(second.open(file.string()));
}

}  // namespace
}  // namespace q6::windows
