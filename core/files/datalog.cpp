#include <cstdio>
#include <memory>

#include "core/device/memory_image.h"
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

  // A sample that cannot be written is lost without a word; the next one tries again.
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(PathDatalog.c_str(), "ab"));
  if (!file) return;
  if (!no_head) {
    if (!WriteText(file.get(), Utf8ToCp1252(header))) return;
    no_head = true;
  }
  WriteText(file.get(), Utf8ToCp1252(sample));
}

}  // namespace q6
