#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/device/ram_map.h"
#include "core/files/text_encoding.h"
#include "support/file_size_limit.h"
#include "unit/device/device_fixture.h"

namespace q6 {
namespace {

std::string BytesOf(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> LinesOf(const std::string& file) {
  const std::string bytes = BytesOf(file);
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const auto end = bytes.find("\r\n", start);
    if (end == std::string::npos) return {"unterminated: " + bytes.substr(start)};
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Fields each followed by a tab; a line without its last tab yields a short "unterminated" list.
std::vector<std::string> FieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (auto tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  if (start != line.size()) fields.push_back("unterminated");
  return fields;
}

class DatalogTest : public test::DeviceTest {
 protected:
  DatalogTest() { form.PathDatalog = log; }
  void startLogging() { form.datalog.cb_datenlog.setChecked(true); }
  void tickTimer(int times = 1) {
    for (int i = 0; i < times; ++i) form.frame.Timer_Datalog.fire();
  }
  std::vector<std::string> lines() const { return LinesOf(log); }

  const std::string log = (platform.dir.path() / "datalog.txt").string();
  Timer& timer = form.frame.Timer_Datalog;
};

TEST_F(DatalogTest, StartsStoppedAtFiveSecondsShowingThePath) {
  EXPECT_FALSE(timer.enabled());
  EXPECT_EQ(timer.interval(), 5000);
  EXPECT_FALSE(form.datalog.cb_datenlog.checked());
  EXPECT_EQ(form.datalog.UpDown18.value(), 5);
  const std::string path = form.datalog.Lb_datalogpath.text();
  EXPECT_TRUE(path.ends_with("datalog.txt")) << path;
  EXPECT_FALSE(form.datalog_request);
}

TEST_F(DatalogTest, ALineHoldsTheClockAndEightyUnsignedWordsEachEndedByATab) {
  startLogging();
  tickTimer();
  showRam({{0x0030, 1}, {0x0060, 0xFFF6}, {0x00CE, 65535}});
  EXPECT_FALSE(form.datalog_request);

  const auto written = lines();
  ASSERT_EQ(written.size(), 2U);
  const auto header = FieldsOf(written[0]);
  const auto sample = FieldsOf(written[1]);
  ASSERT_EQ(header.size(), 82U);
  ASSERT_EQ(sample.size(), 82U);
  EXPECT_EQ(header[0], "Date");
  EXPECT_EQ(header[1], "Time");
  for (int i = 0; i < 80; ++i) EXPECT_EQ(header[2 + i], Utf8ToCp1252(RamWordName(i))) << i;
  EXPECT_EQ(header[2 + RamIndex(0x005E)], "");
  // The user's date and time formats, in two fields.
  EXPECT_EQ(sample[0], "01/01/2025");
  EXPECT_EQ(sample[1], "12:00:00");
  EXPECT_EQ(sample[2], "1");
  EXPECT_EQ(sample[2 + RamIndex(0x0060)], "65526");
  EXPECT_EQ(sample[81], "65535");
}

TEST_F(DatalogTest, OnlyADueSampleIsWrittenAndTicksWithoutRepliesWriteOne) {
  startLogging();
  showRam({});
  EXPECT_FALSE(std::filesystem::exists(log));
  tickTimer(12);
  showRam({});
  showRam({});
  tickTimer();
  showRam({});
  EXPECT_EQ(lines().size(), 3U);
}

TEST_F(DatalogTest, UncheckingKeepsADueSample) {
  startLogging();
  tickTimer();
  form.datalog.cb_datenlog.setChecked(false);
  EXPECT_FALSE(timer.enabled());
  showRam({});
  EXPECT_EQ(lines().size(), 2U);
}

TEST_F(DatalogTest, ThePeriodFollowsTheFieldWhileTheTimerRuns) {
  startLogging();
  form.datalog.UpDown18.setValue(1000);
  EXPECT_EQ(form.datalog.UpDown18.text(), "1000");
  EXPECT_EQ(timer.interval(), 1000000);
  EXPECT_TRUE(timer.enabled());
  form.datalog.UpDown18.setValue(2000);
  EXPECT_EQ(timer.interval(), 1000000);
}

TEST_F(DatalogTest, AnUnwritableFileLosesSamplesWithOneMessageAndKeepsTheHeaderDue) {
  const std::string missing = (platform.dir.path() / "missing" / "log.txt").string();
  form.PathDatalog = missing;
  startLogging();
  for (int sample = 0; sample < 2; ++sample) {
    tickTimer();
    showRam({{0x0030, 7}});
  }
  EXPECT_FALSE(form.datalog_request);
  EXPECT_EQ(form.RamRData[0].Value, 7);
  ASSERT_EQ(platform.messages.size(), 1U) << "once, not at every sample";
  EXPECT_NE(platform.messages[0].find(missing), std::string::npos);
  EXPECT_NE(platform.messages[0].find(std::strerror(ENOENT)), std::string::npos);
  EXPECT_FALSE(form.no_head);

  form.PathDatalog = log;
  tickTimer();
  showRam({});
  EXPECT_EQ(lines().size(), 2U);
}

TEST_F(DatalogTest, ALineCutShortByAFullDiskIsTakenBackAndReportedOnce) {
  if (!test::FileSizeLimit::available()) GTEST_SKIP() << "no file-size limit on this system";
  startLogging();
  tickTimer();
  showRam({});
  const std::string good = BytesOf(log);
  {
    // Room for a part of the next line only.
    const test::FileSizeLimit fullDisk(good.size() + 100);
    for (int sample = 0; sample < 2; ++sample) {
      tickTimer();
      showRam({});
      EXPECT_EQ(BytesOf(log), good) << "sample " << sample;
    }
  }
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_NE(platform.messages[0].find(log), std::string::npos);
  EXPECT_NE(platform.messages[0].find(std::strerror(EFBIG)), std::string::npos);

  // Once a line gets through, the next failure is worth a message again.
  tickTimer();
  showRam({});
  EXPECT_EQ(lines().size(), 3U);
  form.PathDatalog = (platform.dir.path() / "missing" / "log.txt").string();
  tickTimer();
  showRam({});
  EXPECT_EQ(platform.messages.size(), 2U);
}

TEST_F(DatalogTest, TheHeaderComesOncePerRunAndNotForANewPath) {
  startLogging();
  tickTimer();
  showRam({});
  tickTimer();
  showRam({});
  ASSERT_EQ(lines().size(), 3U);

  {
    Application second(services);
    second.Start();
    TForm1& next = second.form1();
    next.PathDatalog = log;
    next.datalog.cb_datenlog.setChecked(true);
    next.frame.Timer_Datalog.fire();
    next.StoreRamReply();
  }
  const auto written = lines();
  ASSERT_EQ(written.size(), 5U);
  EXPECT_EQ(written[3], written[0]);

  const std::string other = (platform.dir.path() / "other.txt").string();
  platform.saveAnswers = {other};
  form.datalog.Bt_path_datalog.click();
  ASSERT_EQ(platform.saveRequests.size(), 1U);
  EXPECT_EQ(platform.saveRequests[0].initialDir, log);
  EXPECT_EQ(platform.saveRequests[0].filter, "configfiles (*.txt)|*.TXT");
  EXPECT_EQ(platform.saveRequests[0].fileName, "");
  EXPECT_EQ(form.PathDatalog, other);
  EXPECT_EQ(form.datalog.Lb_datalogpath.text(), other);
  tickTimer();
  showRam({});
  EXPECT_EQ(LinesOf(other).size(), 1U);
}

}  // namespace
}  // namespace q6
