#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "core/device/memory_image.h"
#include "core/files/file_path.h"
#include "core/files/text_encoding.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr const char* kLineEnd = "\r\n";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool WriteText(std::FILE* file, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

}  // namespace

void TForm1::AttachDatalogHandlers() {
  frame.Timer_Datalog.setInterval(datalog.UpDown18.value() * 1000);
  frame.Timer_Datalog.OnTimer.attach([this] { Timer_DatalogTimer(); });
  datalog.cb_datenlog.OnClick.attach([this] { cb_datenlogClick(); });
  datalog.UpDown18.OnChange.attach([this] { Edit9Change(); });
  datalog.Bt_path_datalog.OnClick.attach([this] { Bt_path_datalogClick(); });
}

void TForm1::Timer_DatalogTimer() { datalog_request = true; }

void TForm1::cb_datenlogClick() {
  frame.Timer_Datalog.setInterval(datalog.UpDown18.value() * 1000);
  // Stopping leaves a sample that is already due for the next RAM reply.
  frame.Timer_Datalog.setEnabled(datalog.cb_datenlog.checked());
}

void TForm1::Edit9Change() { frame.Timer_Datalog.setInterval(datalog.UpDown18.value() * 1000); }

void TForm1::Bt_path_datalogClick() {
  const auto chosen = platform_.dialogs.SaveFileName({.initialDir = PathDatalog,
                                                      .filter = "configfiles (*.txt)|*.TXT",
                                                      .fileName = {},
                                                      .defaultExt = {}});
  if (!chosen) return;
  PathDatalog = *chosen;
  datalog.Lb_datalogpath.setText(PathDatalog);
}

void TForm1::WriteDatalogLine() {
  std::string header = "Date\tTime\t";
  std::string sample;
  // The user's date and time formats, as the date-time text joins them with one blank.
  const std::string moment = platform_.locale.dateTimeText(platform_.clock.now());
  const auto blank = moment.find(' ');
  sample += moment.substr(0, blank) + '\t';
  sample += (blank == std::string::npos ? std::string() : moment.substr(blank + 1)) + '\t';
  for (int i = 0; i < kRamImageWords; ++i) {
    const TData& word = RamRData[static_cast<std::size_t>(i)];
    header += word.Name + '\t';
    sample += std::to_string(word.Value) + '\t';
  }
  header += kLineEnd;
  sample += kLineEnd;

  const std::string lines = Utf8ToCp1252(no_head ? sample : header + sample);
  const std::filesystem::path path = FilePath(PathDatalog);
  std::error_code ec;
  const bool existed = std::filesystem::exists(path, ec);
  const auto before = existed ? std::filesystem::file_size(path, ec) : 0;
  int error = 0;
  errno = 0;
  {
    const std::unique_ptr<std::FILE, FileCloser> file(OpenFile(path, "ab"));
    if (!file) {
      error = errno != 0 ? errno : EIO;
    } else if (!WriteText(file.get(), lines)) {
      error = errno != 0 ? errno : EIO;
      // A line cut short by a full disk is taken back, so the log holds whole lines only.
      if (existed)
        std::filesystem::resize_file(path, before, ec);
      else
        std::filesystem::remove(path, ec);
    }
  }
  if (error == 0) {
    no_head = true;
    datalogFailureReported_ = false;
    return;
  }
  // The sample is lost and the next one tries again; the user hears of it once, not every few
  // seconds, until a sample gets through.
  if (datalogFailureReported_) return;
  datalogFailureReported_ = true;
  platform_.dialogs.ShowMessage("Datenlog nicht geschrieben: " + PathDatalog + ": " +
                                std::strerror(error));
}

}  // namespace q6
