#include "core/files/file_path.h"
#include "core/shell/folders.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {
constexpr const char* kSection = "Option";
}  // namespace

IniFile TForm1::DefaultSettings() const {
  IniFile ini;
  ini.write(kSection, "Com", "COM1");
  ini.write(kSection, "Language", "ger");
  ini.write(kSection, "Datalogpath", DefaultDatalogPath(PathMyDocs));
  return ini;
}

void TForm1::LoadSettings(const IniFile& ini) {
  ComPort = ini.readString(kSection, "Com", "COM1");
  LanguageCode = ini.readString(kSection, "Language", "none");
  PathDatalog = ini.readString(kSection, "Datalogpath", DefaultDatalogPath(PathMyDocs));
}

void TForm1::SaveSettings() {
  const auto path = FilePath(SettingsFilePath(PathSetup));
  // Keep whatever else the file holds; only our three keys change.
  auto loaded = LoadIniFile(path);
  // A damaged file (reported at start) is replaced; one that cannot be read is left alone.
  if (loaded.binary) loaded.ini = IniFile{};
  if (!loaded.error.empty() && !loaded.binary) {
    ReportSettingsFailure(SettingsStep::Read, loaded.error);
    return;
  }
  loaded.ini.write(kSection, "Com", comm.CbComPort.text());
  loaded.ini.write(kSection, "Language", LanguageCode);
  loaded.ini.write(kSection, "Datalogpath", PathDatalog);
  if (const auto failure = SaveIniFile(path, loaded.ini))
    ReportSettingsFailure(SettingsStep::Save, *failure);
}

void TForm1::ReportSettingsFailure(SettingsStep step, const std::string& reason) {
  // One box per run is enough: the same folder fails again at close.
  if (settingsFailureReported_) return;
  settingsFailureReported_ = true;
  platform_.dialogs.ShowMessage(std::string("Die Programmeinstellungen können nicht ") +
                                (step == SettingsStep::Read ? "gelesen" : "gespeichert") +
                                " werden:\n" + reason);
}

}  // namespace q6
