// The simulator's start-up pieces: its command line, its EEPROM image and its line timing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "sim/eeprom_image.h"
#include "sim/options.h"
#include "sim/wire_timing.h"

namespace q6::sim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(EepromImage, DefaultIsACompatibleDimmerWithTheProgramDefaults) {
  const EepromImage image = DefaultEepromImage();
  EXPECT_EQ(image[0x0000 / 2], 0x0600);
  EXPECT_EQ(image[0x0002 / 2] >> 8, 3);
  EXPECT_LE(image[0x0002 / 2] & 0xFF, 1);
  EXPECT_EQ(image[0x0020 / 2], 0x1400);  // 20:00
  EXPECT_EQ(image[0x0030 / 2], 0x431E);  // 30 % and 67 %
  EXPECT_EQ(image[0x004C / 2], 2300);
  EXPECT_EQ(image[0x005C / 2], 16384);
  EXPECT_EQ(image[0x0060 / 2], 2);         // 3000 W
  EXPECT_EQ(image[0x0110 / 2], 0x5256);    // "VR" of the model name
  EXPECT_EQ(image[0x01FE / 2] & 0xFF, 3);  // three faults recorded
}

TEST(EepromImage, SurvivesItsTextFormAndRejectsGarbage) {
  const fs::path file = fs::path(testing::TempDir()) / "sim_eeprom.txt";
  EepromImage image = DefaultEepromImage();
  image[0x001C / 2] = 0xBEEF;
  ASSERT_TRUE(SaveEepromImage(file, image));
  EXPECT_EQ(LoadEepromImage(file), image);

  std::ofstream(file) << "# comment\n\n0x0000 0x0600\n0x0002 0x0301\n";
  const auto partial = LoadEepromImage(file);
  ASSERT_TRUE(partial);
  EXPECT_EQ((*partial)[0], 0x0600);
  EXPECT_EQ((*partial)[2], 0);

  for (const char* bad : {"0x0001 0x0000\n", "0x0400 0x0000\n", "12 34\n", "0x0000\n"}) {
    std::ofstream(file) << bad;
    EXPECT_FALSE(LoadEepromImage(file)) << bad;
  }
  fs::remove(file);
}

TEST(Options, ParsesEveryOptionAndRejectsMistakes) {
  const fs::path fallback = "/cfg/Tessaro GmbH/quenDARIS 6.1";
  const ParsedOptions full = ParseOptions({"--com", "COM12", "--fault", "block-sum", "--wire-baud",
                                           "38400", "--eeprom", "e.txt", "--setup-dir", "/s"},
                                          fallback);
  ASSERT_TRUE(full.options) << full.error;
  EXPECT_EQ(full.options->portName, "COM12");
  EXPECT_EQ(full.options->fault, Fault::BlockSum);
  EXPECT_EQ(full.options->wireBaud, 38400);
  EXPECT_EQ(full.options->eepromFile, "e.txt");
  EXPECT_EQ(full.options->setupDir, "/s");

  const ParsedOptions none = ParseOptions({}, fallback);
  ASSERT_TRUE(none.options);
  EXPECT_EQ(none.options->portName, "COM1");
  EXPECT_EQ(none.options->setupDir, fallback);
  EXPECT_EQ(none.options->wireBaud, 0);

  for (const auto& bad : std::vector<std::vector<std::string>>{{"--com", "COM33"},
                                                               {"--com", "ttyS0"},
                                                               {"--fault", "smoke"},
                                                               {"--wire-baud", "fast"},
                                                               {"--eeprom"},
                                                               {"--verbose", "1"}}) {
    const ParsedOptions parsed = ParseOptions(bad, fallback);
    EXPECT_FALSE(parsed.options) << bad[0];
    EXPECT_FALSE(parsed.error.empty());
  }
}

TEST(Options, HelpDocumentsEveryOptionAndFault) {
  const std::string help = HelpText("/cfg/x");
  for (const char* word :
       {"--com", "--fault", "--wire-baud", "--eeprom", "--setup-dir", "--help", "/cfg/x", "silent",
        "logon", "echo", "block-sum", "old-hardware", "wrong-id", "wrong-protocol"}) {
    EXPECT_NE(help.find(word), std::string::npos) << word;
  }
}

TEST(Options, DefaultSetupDirIsInTheGenericConfigLocation) {
  EXPECT_EQ(DefaultSetupDir(nullptr, "/home/t"), "/home/t/.config/Tessaro GmbH/quenDARIS 6.1");
  EXPECT_EQ(DefaultSetupDir("", "/home/t"), "/home/t/.config/Tessaro GmbH/quenDARIS 6.1");
  EXPECT_EQ(DefaultSetupDir("/xdg", "/home/t"), "/xdg/Tessaro GmbH/quenDARIS 6.1");
}

TEST(WireTiming, EachByteTakesTenBitTimesEachWay) {
  WireTiming wire(10000);  // 1 ms per byte
  const Clock::time_point t0{};
  // One byte at a time: out and back.
  EXPECT_EQ(wire.answerArrival(t0), t0 + 2ms);
  EXPECT_EQ(wire.answerArrival(t0 + 10ms), t0 + 12ms);
  // A burst queues on the line in both directions.
  EXPECT_EQ(wire.answerArrival(t0 + 20ms), t0 + 22ms);
  EXPECT_EQ(wire.answerArrival(t0 + 20ms), t0 + 23ms);
  EXPECT_EQ(wire.answerArrival(t0 + 20ms), t0 + 24ms);
}

TEST(WireTiming, TheTerminalsDeliveryIsNotChargedOnTopOfTheLine) {
  WireTiming wire(10000, 200us);
  const Clock::time_point t0{};
  // Read 0.2 ms after it was written: the byte was on the line from then.
  EXPECT_EQ(wire.answerArrival(t0 + 10ms), t0 + 11800us);
  // Never before the line is free again.
  EXPECT_EQ(wire.answerArrival(t0 + 10ms), t0 + 12800us);
}

TEST(WireTiming, AtMostAQuarterOfAByteIsTakenOffForTheTerminal) {
  WireTiming wire(10000, 900us);
  const Clock::time_point t0{};
  EXPECT_EQ(wire.answerArrival(t0 + 10ms), t0 + 11750us);
}

}  // namespace
}  // namespace q6::sim
