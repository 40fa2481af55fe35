#include <gtest/gtest.h>

#include <fstream>

#include "core/link/port_names.h"
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

}  // namespace
}  // namespace q6
