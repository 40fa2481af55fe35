#include <gtest/gtest.h>

#include <QCoreApplication>

// The link's Qt adapters need an application object; its thread plays the user-interface thread.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
