#include "core/shell/form1.h"

namespace q6 {

void TForm1::MpDimmProfilLadenClick() { OpenSettingsFile(kDimmProfileFile, PathConfig); }
void TForm1::MpDimmProfilSpeichernClick() { SaveSettingsFileAs(kDimmProfileFile, PathConfig); }
bool TForm1::LoadDimmProfile(const std::string& path) {
  return LoadSettingsFile(path, kDimmProfileFile);
}
void TForm1::SaveDimmProfile(const std::string& path) { SaveSettingsFile(path, kDimmProfileFile); }

}  // namespace q6
