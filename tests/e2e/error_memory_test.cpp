// Reading, clearing and exporting the error memory of the quendaris-dimmer program.

#include <filesystem>

#include "core/files/atomic_file.h"
#include "program_fixture.h"

namespace q6 {
namespace {

using ErrorMemoryTest = test::ProgramTest;

TEST_F(ErrorMemoryTest, ReadClearAndExportTheRing) {
  startDimmer();
  pressSwitch();
  ASSERT_TRUE(serveUntil([this] { return live(); }));
  const Grid& grid = form().errmem.StgFehlerspeicher;

  press("err_mem_read_bt");
  ASSERT_TRUE(serveUntil([&] { return !grid.cell(2, 1).empty(); }));
  EXPECT_FALSE(grid.cell(1, 1).empty()) << "the newest fault has its time stamp";

  std::filesystem::create_directories(platform.documents);
  const std::string file = platform.documents + "/Fehlerdatei.xls";
  platform.saveAnswers = {file};
  form().frame.Fehlerdateispeichern1.click();
  const auto workbook = ReadWholeFile(file);
  ASSERT_TRUE(workbook.has_value()) << ::testing::PrintToString(platform.messages);
  EXPECT_EQ(workbook->substr(0, 8), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));

  press("err_mem_clear_bt");
  // The clear goes out, the dimmer erases its ring, and polling resumes after the wait.
  ASSERT_TRUE(serveUntil([this] { return button("err_mem_clear_bt")->isEnabled(); }));
  press("err_mem_read_bt");
  ASSERT_TRUE(serveUntil([this] { return button("err_mem_read_bt")->isEnabled(); }));
  for (int row = 1; row < grid.rowCount(); ++row)
    EXPECT_EQ(grid.cell(2, row), "") << "row " << row << " after clearing";
  EXPECT_TRUE(platform.messages.empty()) << ::testing::PrintToString(platform.messages);
  EXPECT_TRUE(form().sio_started);
}

}  // namespace
}  // namespace q6
