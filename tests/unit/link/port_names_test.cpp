#include "core/link/port_names.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace q6 {
namespace {

namespace fs = std::filesystem;

class PortNames : public testing::Test {
 protected:
  void SetUp() override { fs::create_directories(setup / "ports"); }

  test::TempDir dir;
  fs::path setup = dir.path() / "setup";
};

TEST_F(PortNames, ComPortsWithoutEntryAreTheBuiltInSerialPorts) {
  EXPECT_EQ(ResolvePortDevice("COM1", setup), "/dev/ttyS0");
  EXPECT_EQ(ResolvePortDevice("COM10", setup), "/dev/ttyS9");
  EXPECT_EQ(ResolvePortDevice("COM32", setup), "/dev/ttyS31");
}

TEST_F(PortNames, ALinkEntryIsOpenedItself) {
  fs::create_symlink("/dev/pts/7", setup / "ports" / "COM12");
  EXPECT_EQ(ResolvePortDevice("COM12", setup), (setup / "ports" / "COM12").string());
}

TEST_F(PortNames, AFileEntryNamesTheDevice) {
  std::ofstream(setup / "ports" / "COM3") << "  /dev/ttyUSB0 \r\n# a note\n";
  EXPECT_EQ(ResolvePortDevice("COM3", setup), "/dev/ttyUSB0");
}

TEST_F(PortNames, OtherNamesAreDevicePaths) {
  for (const char* name : {"/dev/pts/4", "COM0", "COMX", "com1", "COM"}) {
    EXPECT_EQ(ResolvePortDevice(name, setup), name);
  }
}

}  // namespace
}  // namespace q6
