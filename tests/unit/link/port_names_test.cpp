#include "core/link/port_names.h"

#include <gtest/gtest.h>

namespace q6 {
namespace {

TEST(OtherPortNames, AreDevicePaths) {
  for (const char* name : {"/dev/pts/4", "COM0", "COMX", "com1", "COM"}) {
    EXPECT_EQ(ResolvePortDevice(name, "setup"), name);
  }
}

}  // namespace
}  // namespace q6
