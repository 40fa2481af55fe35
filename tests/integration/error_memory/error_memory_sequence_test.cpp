// Reading, clearing and exporting the error memory of the simulated dimmer, in process; the test
// thread plays the user-interface thread and drives the ticks.
#include <gtest/gtest.h>

#include "core/files/atomic_file.h"
#include "support/in_process_program.h"

namespace q6 {
namespace {

constexpr int kDate = 1, kFault = 2;

class ErrorMemorySequenceTest : public test::InProcessProgramTest {
 protected:
  ErrorMemorySequenceTest() {
    start();
    switchOn();
    // Until the identification and the first EEPROM read are done.
    tickUntil([this] { return form().EepSynchron; });
  }
  void readRing() {
    form().errmem.err_mem_read_bt.click();
    EXPECT_FALSE(form().errmem.err_mem_read_bt.enabled());
    tickUntil(
        [this] { return !form().ErrMemoryReadRequest && form().errmem.err_mem_read_bt.enabled(); });
  }
  const Grid& table() { return form().errmem.StgFehlerspeicher; }
};

TEST_F(ErrorMemorySequenceTest, ReadsTheRingNewestFirst) {
  readRing();
  // The simulator holds three faults; its pointer 3 makes entry 2 the newest.
  EXPECT_EQ(table().cell(kDate, 1), "19.07.2015  06:05");
  EXPECT_EQ(table().cell(kFault, 1), "Uz_Fehler, Dauerfehler");
  EXPECT_EQ(table().cell(kDate, 2), "03.05.2015  22:47");
  EXPECT_EQ(table().cell(kFault, 2), "Überlastfehler");
  EXPECT_EQ(table().cell(kDate, 3), "14.02.2015  03:12");
  EXPECT_EQ(table().cell(kFault, 3), "Übertemperatur KK1");
  EXPECT_EQ(table().cell(kDate, 4), "");
  EXPECT_TRUE(form().RamReadRequest);
  EXPECT_FALSE(form().ErrMemoryReadRequest);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ErrorMemorySequenceTest, ClearEmptiesTheDimmersRingAndALaterReadShowsNothing) {
  readRing();
  form().errmem.err_mem_clear_bt.click();
  tickUntil([this] { return form().errmem.ErrMemClearTimer.enabled(); });
  EXPECT_EQ(dimmer->dimmer.eepromWord(0x01FE), 0);
  EXPECT_EQ(table().cell(kFault, 1), "");
  form().errmem.ErrMemClearTimer.fire();
  EXPECT_TRUE(form().errmem.err_mem_clear_bt.enabled());

  readRing();
  for (int row = 1; row <= 64; ++row) {
    EXPECT_EQ(table().cell(kDate, row), "") << row;
    EXPECT_EQ(table().cell(kFault, row), "") << row;
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ErrorMemorySequenceTest, ExportStagesTheTableAndWritesAWorkbook) {
  readRing();
  const auto file = platform.dir.path() / "liste";
  platform.saveAnswers = {file.string()};
  form().frame.Fehlerdateispeichern1.click();

  ASSERT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_EQ(platform.saveRequests[0].initialDir, form().PathConfig);
  EXPECT_EQ(platform.saveRequests[0].fileName, "Fehlerdatei.xls");
  const Grid& sheet = form().errmem.stgExport;
  EXPECT_EQ(sheet.cell(1, 0), "Datum: 01/01/2025 12:00:00");
  EXPECT_EQ(sheet.cell(2, 0), "Produktcode: " + form().Info.SoftwarePName);
  EXPECT_EQ(sheet.cell(3, 0), "Gerätenummer: " + std::to_string(form().Info.GeraeteNr));
  EXPECT_EQ(sheet.cell(1, 2), "Zeitpunkt");
  EXPECT_EQ(sheet.cell(2, 3), "Uz_Fehler, Dauerfehler");
  EXPECT_EQ(sheet.cell(0, 66), "64");
  const auto written = ReadWholeFile(file.string() + ".xls");
  ASSERT_TRUE(written);
  EXPECT_EQ(written->substr(0, 8), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
  EXPECT_TRUE(platform.confirmations.empty());
}

TEST_F(ErrorMemorySequenceTest, AnExistingFileIsReplacedOnlyAfterConfirmation) {
  const auto file = (platform.dir.path() / "alt.xls").string();
  ASSERT_FALSE(WriteFileAtomically(file, "old"));
  platform.saveAnswers = {file, file};
  platform.confirmAnswers = {false, true};

  form().ExportErrorList();
  EXPECT_EQ(ReadWholeFile(file), "old");
  form().ExportErrorList();
  EXPECT_NE(ReadWholeFile(file), "old");
  ASSERT_EQ(platform.confirmations.size(), 2u);
  EXPECT_EQ(platform.confirmations[0], "File " + file + " already exists\rOk to overwrite ?");
}

TEST_F(ErrorMemorySequenceTest, AFailedWriteIsReportedAndCancellingWritesNothing) {
  form().ExportErrorList();  // no answer scripted: the user cancels
  EXPECT_TRUE(platform.messages.empty());
  const std::string file = (platform.dir.path() / "missing" / "f.xls").string();
  platform.saveAnswers = {file};
  form().ExportErrorList();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find(file), std::string::npos) << platform.messages[0];
}

}  // namespace
}  // namespace q6
