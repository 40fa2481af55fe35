#include "core/device/error_memory.h"

#include <gtest/gtest.h>

#include <map>

#include "device_fixture.h"

namespace q6 {
namespace {

using test::DeviceTest;

constexpr int kDate = 1, kFault = 2;

struct Entry {
  std::uint16_t faults;
  std::uint16_t hourMinute;
  std::uint16_t monthDay;
  std::uint16_t year;
};

class ErrorMemoryTest : public DeviceTest {
 protected:
  // The error-memory batch's answer: 256 ring words from 0x0200, then the pointer word.
  void decode(std::uint16_t pointer, const std::map<int, Entry>& entries) {
    std::map<std::uint16_t, std::uint16_t> words;
    for (const auto& [e, entry] : entries) {
      const auto at = static_cast<std::uint16_t>(0x0200 + 8 * e);
      words[at] = entry.faults;
      words[static_cast<std::uint16_t>(at + 2)] = entry.hourMinute;
      words[static_cast<std::uint16_t>(at + 4)] = entry.monthDay;
      words[static_cast<std::uint16_t>(at + 6)] = entry.year;
    }
    auto& reply = form.link.RxBuffer;
    for (std::size_t slot = 0; slot <= 256; ++slot) {
      const auto address = static_cast<std::uint16_t>(slot < 256 ? 0x0200 + 2 * slot : 0x01FE);
      const auto found = words.find(address);
      const std::uint16_t value = slot == 256 ? pointer : found == words.end() ? 0 : found->second;
      reply[5 * slot] = 0x06;
      reply[5 * slot + 1] = static_cast<std::uint8_t>(address >> 8);
      reply[5 * slot + 2] = static_cast<std::uint8_t>(address & 0xFF);
      reply[5 * slot + 3] = static_cast<std::uint8_t>(value & 0xFF);
      reply[5 * slot + 4] = static_cast<std::uint8_t>(value >> 8);
    }
    form.DecodeErrorMemory();
  }
  const std::string& cell(int column, int row) const {
    return form.errmem.StgFehlerspeicher.cell(column, row);
  }
};

TEST(ErrorRingOrder, NewestFirstThenBackwardsAroundTheRing) {
  struct Case {
    std::uint16_t pointer;
    int row;
    int entry;
  };
  for (const auto& c : {
           Case{0, 1, 63}, Case{0, 64, 0},    // pointer 0: entry 63 is the newest
           Case{64, 1, 63}, Case{64, 64, 0},  // 64 is the same place
           Case{5, 1, 4}, Case{5, 5, 0}, Case{5, 6, 63}, Case{5, 64, 5}, Case{0x0105, 1, 4},
           Case{0x0105, 64, 5},              // the high byte is ignored
           Case{70, 1, 5}, Case{200, 1, 7},  // past the ring: modulo 64
       })
    EXPECT_EQ(ErrorRingEntry(c.pointer, c.row), c.entry) << c.pointer << " row " << c.row;
}

TEST(ErrorListFileName, AppendsXlsOnlyWithoutADotAmongTheLastFourCharacters) {
  struct Case {
    const char* chosen;
    const char* used;
  };
  for (const auto& c : {
           Case{"/tmp/Fehler", "/tmp/Fehler.xls"},
           Case{"/tmp/a.b/list", "/tmp/a.b/list.xls"},
           Case{"/tmp/Fehler.xls", "/tmp/Fehler.xls"},
           Case{"/tmp/Fehler.txt", "/tmp/Fehler.txt"},
           Case{"/tmp/Fehler.de", "/tmp/Fehler.de"},
           Case{"/tmp/Fehler.x", "/tmp/Fehler.x"},
           Case{"/tmp/Fehler.xlsx", "/tmp/Fehler.xlsx.xls"},
           Case{"ab", "ab.xls"},
       })
    EXPECT_EQ(ErrorListFileName(c.chosen), c.used);
}

TEST_F(ErrorMemoryTest, GridStartsWithHeadingsAndRowNumbersInTheChosenLanguage) {
  const Grid& grid = form.errmem.StgFehlerspeicher;
  EXPECT_EQ(grid.rowCount(), 65);
  EXPECT_EQ(grid.columnCount(), 3);
  EXPECT_EQ(cell(0, 0), "Nr.");
  EXPECT_EQ(cell(kDate, 0), "Zeitpunkt");
  EXPECT_EQ(cell(kFault, 0), "Fehler");
  EXPECT_EQ(cell(0, 1), "1");
  EXPECT_EQ(cell(0, 64), "64");
  form.english1Click();
  EXPECT_EQ(cell(kDate, 0), "Date");
  EXPECT_EQ(cell(kFault, 0), "Error");
  EXPECT_EQ(form.errmem.err_mem_read_bt.caption(), "fault memory read");
}

TEST_F(ErrorMemoryTest, DecodesStampsAndFaultsNewestFirst) {
  decode(0x0105, {
                     {4, {0x8011, 0x070D, 0x0503, 14}},  // 13:07 on 05.03.2014
                     {3, {0x7800, 0x0000, 0x2D0D, 0}},   // day 45, month 13: shown as they are
                     {2, {0x0400, 0, 0, 0}},
                     {1, {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}},  // erased by a clear
                     {5, {0x0001, 0x0102, 0x0101, 25}},      // the oldest
                 });
  EXPECT_EQ(cell(kDate, 1), "05.03.2014  13:07");
  EXPECT_EQ(cell(kFault, 1), "Übertemperatur KK1, Uz_Fehler, Dauerfehler");
  EXPECT_EQ(cell(kDate, 2), "45.13.2000  00:00");
  EXPECT_EQ(cell(kFault, 2), "") << "bits 11..14 are not shown";
  EXPECT_EQ(cell(kDate, 3), "") << "an all-zero stamp is an empty slot";
  EXPECT_EQ(cell(kFault, 3), "Uz Entladefehler");
  EXPECT_EQ(cell(kDate, 4), "");
  EXPECT_EQ(cell(kFault, 4), "");
  EXPECT_EQ(cell(kDate, 5), "");
  EXPECT_EQ(cell(kFault, 5), "") << "an all-zero slot is empty";
  EXPECT_EQ(cell(kDate, 64), "01.01.2025  02:01");
  EXPECT_EQ(cell(kFault, 64), "Übertemperatur KK1");
  EXPECT_EQ(form.EepRData[255].Value, 0x0105);
  EXPECT_EQ(form.EepRData[EepIndex(0x0220)].Value, 0x8011);
}

TEST_F(ErrorMemoryTest, EveryFaultBitInTableOrderAndTheDischargeFaultUntranslated) {
  form.english1Click();
  decode(1, {{0, {0xFFFF, 0x0102, 0x0101, 25}}});
  EXPECT_EQ(cell(kFault, 1),
            "overtemp fault KK1, overtemp fault KK2, sens fault KK1, sens fault KK2, "
            "DC-Link overvoltage fault, iz fault, concept fault, short circuit ac, chopper fault, "
            "overload fault, Uz Entladefehler, permanent fault");
}

TEST_F(ErrorMemoryTest, ClearReplacesAPendingRamWriteList) {
  form.RamSendData[0] = {0x0100, 7};
  form.RamSendData[1] = {0x0102, 8};
  form.RamSendDataLength = 2;
  form.errmem.err_mem_clear_bt.setEnabled(true);
  form.errmem.err_mem_clear_bt.click();
  EXPECT_EQ(form.RamSendDataLength, 1);
  EXPECT_EQ(form.RamSendData[0].address, 0x006C);
  EXPECT_EQ(form.RamSendData[0].value, 32);
  EXPECT_TRUE(form.RamWriteRequest);
  EXPECT_FALSE(form.errmem.err_mem_clear_bt.enabled());
  EXPECT_EQ(form.errmem.err_mem_clear_bt.tag(), 1);
  EXPECT_TRUE(form.frame.SPStimer.enabled());
}

class ClearCompletionTest : public ErrorMemoryTest {
 protected:
  // The RAM write completion after the clear command went out.
  void completeClear() {
    decode(3, {{2, {0x0001, 0x0102, 0x0101, 25}}});
    form.errmem.err_mem_clear_bt.click();
    form.sio_started = true;
    form.SioState = 22;
    form.frame.SPStimer.fire();
  }
};

TEST_F(ClearCompletionTest, EmptiesTheTableAndWaitsWithPollingStopped) {
  completeClear();
  EXPECT_EQ(cell(kDate, 1), "");
  EXPECT_EQ(cell(kFault, 1), "");
  EXPECT_EQ(cell(0, 1), "1");
  EXPECT_FALSE(form.RamWriteRequest);
  EXPECT_FALSE(form.frame.SPStimer.enabled());
  EXPECT_TRUE(form.errmem.ErrMemClearTimer.enabled());
  EXPECT_EQ(form.errmem.ErrMemClearTimer.interval(), 1500);
  EXPECT_FALSE(form.errmem.err_mem_clear_bt.enabled());

  form.errmem.ErrMemClearTimer.fire();
  EXPECT_FALSE(form.errmem.ErrMemClearTimer.enabled());
  EXPECT_TRUE(form.RamReadRequest);
  EXPECT_TRUE(form.errmem.err_mem_clear_bt.enabled());
  EXPECT_EQ(form.errmem.err_mem_clear_bt.tag(), 0);
  EXPECT_TRUE(form.frame.SPStimer.enabled());
  EXPECT_EQ(form.SioState, 1);
}

TEST_F(ClearCompletionTest, GoingOfflineDuringTheWaitLeavesTheMachineAtRest) {
  completeClear();
  form.GoOffline();
  form.errmem.ErrMemClearTimer.fire();
  EXPECT_FALSE(form.frame.SPStimer.enabled());
  EXPECT_FALSE(form.RamReadRequest);
  EXPECT_FALSE(form.errmem.err_mem_clear_bt.enabled());
  EXPECT_EQ(form.errmem.err_mem_clear_bt.tag(), 0) << "a later RAM write is no clear";
}

TEST_F(ErrorMemoryTest, OtherRamWritesDoNotRunTheClearCompletion) {
  decode(3, {{2, {0x0001, 0x0102, 0x0101, 25}}});
  form.RamWriteRequest = true;
  form.SioState = 22;
  form.frame.SPStimer.setEnabled(true);
  form.frame.SPStimer.fire();
  EXPECT_EQ(cell(kFault, 1), "Übertemperatur KK1");
  EXPECT_FALSE(form.errmem.ErrMemClearTimer.enabled());
  EXPECT_TRUE(form.frame.SPStimer.enabled());
}

}  // namespace
}  // namespace q6
