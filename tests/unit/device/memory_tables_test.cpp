#include <gtest/gtest.h>

#include <numeric>

#include "core/device/memory_table.h"
#include "device_fixture.h"

namespace q6 {
namespace {

using test::DeviceTest;

constexpr int kU16 = 3, kS16 = 4, kHex = 5, kBin = 6, kWrite = 7;

int RamRow(std::uint16_t address) { return RamIndex(address) + 1; }
int EepRow(std::uint16_t address) { return EepIndex(address) + 1; }

TEST_F(DeviceTest, RamTableShowsEveryWordInFourWays) {
  struct Case {
    std::uint16_t value;
    const char* u16;
    const char* s16;
    const char* hex;
    const char* bin;
  };
  for (const auto& c : {
           Case{0x8000, "32768", "-32768", "0x8000", "1000 . 0000 . 0000 . 0000"},
           Case{0x0000, "0", "0", "0x0000", "0000 . 0000 . 0000 . 0000"},
           Case{0x1234, "4660", "4660", "0x1234", "0001 . 0010 . 0011 . 0100"},
           Case{0xFFFF, "65535", "-1", "0xFFFF", "1111 . 1111 . 1111 . 1111"},
           Case{0x00AB, "171", "171", "0x00AB", "0000 . 0000 . 1010 . 1011"},
       }) {
    showRam({{0x0064, c.value}});
    const Grid& table = form.tables.StgRamData;
    const int row = RamRow(0x0064);
    EXPECT_EQ(table.cell(kU16, row), c.u16);
    EXPECT_EQ(table.cell(kS16, row), c.s16);
    EXPECT_EQ(table.cell(kHex, row), c.hex);
    EXPECT_EQ(table.cell(kBin, row), c.bin);
    EXPECT_EQ(WordToBinText(c.value), c.bin);
  }
}

TEST_F(DeviceTest, RamTableNamesEveryWordBeforeTheFirstReply) {
  const Grid& table = form.tables.StgRamData;
  ASSERT_EQ(table.rowCount(), 81);
  ASSERT_EQ(table.columnCount(), 7);
  const std::vector<std::string> heading = {"Nr.",       "Adresse",   "Name",     "Value u16",
                                            "Value s16", "Value Hex", "Value Bin"};
  for (int column = 0; column < 7; ++column)
    EXPECT_EQ(table.cell(column, 0), heading[static_cast<std::size_t>(column)]);
  struct Case {
    std::uint16_t address;
    const char* nr;
    const char* hex;
    const char* name;
  };
  for (const auto& c : {
           Case{0x0030, "0", "0x0030", "UzMittel"},
           Case{0x005E, "23", "0x005E", ""},
           Case{0x0064, "26", "0x0064", "CheckBits "},
           Case{0x0076, "35", "0x0076", "--- / Year"},
           Case{0x0086, "43", "0x0086", "Taktübergabe"},
           Case{0x0096, "51", "0x0096", "---"},
           Case{0x00AE, "63", "0x00AE", "---"},
           Case{0x00B0, "64", "0x00B0", "Test[0]"},
           Case{0x00CE, "79", "0x00CE", "Test[15]"},
       }) {
    const int row = RamRow(c.address);
    EXPECT_EQ(table.cell(0, row), c.nr);
    EXPECT_EQ(table.cell(1, row), c.hex);
    EXPECT_EQ(table.cell(2, row), c.name) << c.hex;
    EXPECT_EQ(form.RamRData[static_cast<std::size_t>(row - 1)].Name, c.name);
    EXPECT_EQ(table.cell(kU16, row), "") << "values wait for the first reply";
  }
}

TEST_F(DeviceTest, RamReplyIsStoredLowByteFirstAtTheAddressesItNames) {
  ramReply({{0x0030, 0x0102}, {0x00CE, 0xA55A}});
  form.link.RxBuffer[3] = 0x32;  // a reply that starts one word later
  form.StoreRamReply();
  EXPECT_EQ(form.RamRData[0].Value, 0x0102);
  EXPECT_EQ(form.RamRData[0].adr, 0x0032);
  EXPECT_EQ(form.RamRData[79].Value, 0xA55A);
  EXPECT_EQ(form.RamRData[79].adr, 0x00D0);
  EXPECT_EQ(form.tables.StgRamData.cell(1, 80), "0x00D0");
}

// The poll machine checks the sum byte before the reply reaches the image.
TEST_F(DeviceTest, OnlyABlockWithTheRightSumReachesTheView) {
  const auto answer = [&](bool rightSum) {
    ramReply({{0x0032, 2304}, {0x0064, 7}});
    auto& reply = form.link.RxBuffer;
    const int sum = std::accumulate(reply.begin() + 4, reply.begin() + 164, 0);
    reply[164] = static_cast<std::uint8_t>(rightSum ? sum : sum + 1);
    form.SioState = 4;
    form.link.RxDone = true;
    form.SPStimerTimer();
  };
  answer(false);
  EXPECT_EQ(form.tables.StgRamData.cell(kU16, RamRow(0x0064)), "");
  EXPECT_EQ(form.measure.EdUac.text(), "");
  answer(true);
  EXPECT_EQ(form.tables.StgRamData.cell(kU16, RamRow(0x0064)), "7");
  EXPECT_EQ(form.measure.EdUac.text(), "230");
}

TEST_F(DeviceTest, GoingOfflineKeepsTheLastValues) {
  showRam({{0x0032, 2304}, {0x0064, 7}});
  form.GoOffline();
  EXPECT_EQ(form.tables.StgRamData.cell(kU16, RamRow(0x0064)), "7");
  EXPECT_EQ(form.RamRData[static_cast<std::size_t>(RamIndex(0x0064))].Value, 7);
  EXPECT_EQ(form.measure.EdUac.text(), "230");
}

TEST_F(DeviceTest, EepromTableNamesRepeatedWordsAsTheyAre) {
  const Grid& table = form.tables.StgEeprom;
  ASSERT_EQ(table.rowCount(), 169);
  EXPECT_EQ(table.cell(kWrite, 0), "Value u16 Write");
  struct Case {
    std::uint16_t address;
    const char* name;
  };
  for (const auto& c : {
           Case{0x0000, "Versionskennung"},
           Case{0x001A, "---"},
           Case{0x001C, "Gerätenummer"},
           Case{0x0026, "TimeWtEnd"},
           Case{0x002E, "TimeWtEnd"},
           Case{0x0036, "---"},
           Case{0x0052, "PRedUpTime"},
           Case{0x005A, "ConfigBits_Sonmmerzeit"},
           Case{0x0072, "OffSetUAc "},
           Case{0x0076, "OffSetUz"},
           Case{0x007A, "OffSetUz"},
           Case{0x007E, "PRedUpTime"},
           Case{0x0080, ""},
           Case{0x00B0, "Test[0]"},
           Case{0x00BE, "Test[7]"},
           Case{0x00C0, ""},
           Case{0x014E, ""},
       }) {
    EXPECT_EQ(table.cell(2, EepRow(c.address)), c.name) << HexWord(c.address);
    EXPECT_EQ(table.cell(1, EepRow(c.address)), HexWord(c.address));
  }
}

TEST_F(DeviceTest, EepromReplyFillsTheImageAndTheTable) {
  eepReply({{0x0000, 0x0600}, {0x014E, 0x8001}});
  form.StoreEepReply();
  const TData& last = form.EepRData[167];
  EXPECT_EQ(last.nr, 167);
  EXPECT_EQ(last.adr, 0x014E);
  EXPECT_EQ(last.Value, 0x8001);
  const Grid& table = form.tables.StgEeprom;
  EXPECT_EQ(table.cell(0, 168), "167");
  EXPECT_EQ(table.cell(kS16, 168), "-32767");
  EXPECT_EQ(table.cell(kHex, 1), "0x0600");
  EXPECT_EQ(table.cell(kWrite, 1), "") << "no write yet in this run";
}

TEST_F(DeviceTest, WriteColumnShowsTheWrittenValuesBeforeTheReread) {
  eepReply({{0x001C, 7}});
  form.StoreEepReply();
  form.EepWData = form.EepRData;
  form.EepWData[static_cast<std::size_t>(EepIndex(0x001C))].Value = 12345;
  form.ShowEepWriteImage();
  const Grid& table = form.tables.StgEeprom;
  EXPECT_EQ(table.cell(kU16, EepRow(0x001C)), "7");
  EXPECT_EQ(table.cell(kWrite, EepRow(0x001C)), "12345");
  EXPECT_EQ(table.cell(kWrite, EepRow(0x0000)), "0");
}

}  // namespace
}  // namespace q6
