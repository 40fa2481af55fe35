// Editing the configuration, writing it to the simulated dimmer and reading it back, with the
// test thread driving the ticks as the user-interface thread would.

#include <gtest/gtest.h>

#include <vector>

#include "support/in_process_program.h"

namespace q6 {
namespace {

class WriteBackTest : public test::InProcessProgramTest {
 protected:
  WriteBackTest() { start(); }
  void runUntil(int state) {
    tickUntil([this, state] { return form().SioState == state; });
  }
  struct Record {
    std::uint8_t command;
    std::uint16_t address;
    std::uint16_t value;
  };
  std::vector<Record> sentRecords() {
    std::vector<Record> records;
    const auto& tx = form().link.TxBuffer;
    for (std::size_t i = 0; i < form().link.TxCount / 6; ++i)
      records.push_back({tx[6 * i], static_cast<std::uint16_t>(tx[6 * i + 1] << 8 | tx[6 * i + 2]),
                         static_cast<std::uint16_t>(tx[6 * i + 3] << 8 | tx[6 * i + 4])});
    return records;
  }
};

TEST_F(WriteBackTest, AWriteSendsTheFixedSetAndTheReReadDecodesIt) {
  ConfigControls& c = form().config;
  form().comm.BtComActivate.click();
  runUntil(4);
  c.UdUAcNenn.setValue(240);
  c.RgLeistungsklasse.setItemIndex(0);
  c.EdGeraeteNr.setText("4711");
  EXPECT_EQ(c.UdUAcNenn.color(), colors::kChanged);
  form().comm.uC_send_bt.click();
  runUntil(8);

  ASSERT_EQ(form().link.TxCount, 366U);
  std::vector<std::uint16_t> expected;
  for (int a = 0x001C; a <= 0x006E; a += 2) expected.push_back(static_cast<std::uint16_t>(a));
  for (int a = 0x0100; a <= 0x0110; a += 2) expected.push_back(static_cast<std::uint16_t>(a));
  for (int a = 0x0110; a <= 0x0120; a += 2) expected.push_back(static_cast<std::uint16_t>(a));
  const auto records = sentRecords();
  ASSERT_EQ(records.size(), 61U);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(records[i].address, expected[i]) << i;
    EXPECT_EQ(records[i].value, EepWord(form().EepWData, expected[i])) << i;
  }
  EXPECT_EQ(records.back().address, 0x006C);
  EXPECT_EQ(records.back().value, 2);
  EXPECT_NE(records.back().command, records.front().command);

  tick();
  // The images agree at once: every mark is gone before the re-read.
  EXPECT_EQ(c.UdUAcNenn.color(), colors::kWindow);
  EXPECT_EQ(c.RgLeistungsklasse.color(), colors::kPanel);
  EXPECT_EQ(c.EdGeraeteNr.color(), colors::kWindow);
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x004C), 2400);
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x005C), 17096);
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x0060), 6);
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x001C), 4711);
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x0116), 0x2020);

  c.UdUAcNenn.setValue(230);
  runUntil(94);
  tick();
  EXPECT_EQ(c.UdUAcNenn.value(), 240);
  EXPECT_EQ(c.RgLeistungsklasse.text(), "500 W");
  EXPECT_EQ(c.EdGeraeteNr.text(), "04711");
  EXPECT_EQ(c.UdUAcNenn.color(), colors::kWindow);
  EXPECT_EQ(form().Info.HardwareName, "VRK500  ");
}

}  // namespace
}  // namespace q6
