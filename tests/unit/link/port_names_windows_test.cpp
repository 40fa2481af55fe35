#include <gtest/gtest.h>

#include <fstream>

#include "core/link/port_names.h"
#include "support/temp_dir.h"

namespace q6 {
namespace {

TEST(WindowsPortNames, ComPortsAreOpenedInTheDeviceNamespaceWhateverTheSetupFolderHolds) {
  test::TempDir setup;
  std::filesystem::create_directories(setup.path() / "ports");
  std::ofstream(setup.path() / "ports" / "COM3") << "COM7\r\n";
  EXPECT_EQ(ResolvePortDevice("COM1", setup.path()), R"(\\.\COM1)");
  EXPECT_EQ(ResolvePortDevice("COM3", setup.path()), R"(\\.\COM3)");
  EXPECT_EQ(ResolvePortDevice("COM10", setup.path()), R"(\\.\COM10)");
}

}  // namespace
}  // namespace q6
