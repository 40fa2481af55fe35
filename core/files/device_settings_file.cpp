#include "core/shell/form1.h"

namespace q6 {

void TForm1::MpGeraetedatenLadenClick() {
  OpenSettingsFile(kDeviceSettingsFile, PathDeviceSettings);
}
void TForm1::MpGeraetedatenSpeichernClick() {
  SaveSettingsFileAs(kDeviceSettingsFile, PathDeviceSettings);
}
bool TForm1::LoadDeviceSettings(const std::string& path) {
  return LoadSettingsFile(path, kDeviceSettingsFile);
}
void TForm1::SaveDeviceSettings(const std::string& path) {
  SaveSettingsFile(path, kDeviceSettingsFile);
}

}  // namespace q6
