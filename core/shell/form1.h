#pragma once

#include <string>

#include "core/device/device_info.h"
#include "core/files/ini_file.h"
#include "core/info/infofenst.h"
#include "core/language/message.h"
#include "core/link/link_state.h"
#include "core/language/text_table.h"
#include "core/sequencer/communication_controls.h"
#include "core/shell/format_settings.h"
#include "core/shell/main_frame.h"
#include "core/shell/platform_services.h"
#include "core/widgets/form.h"

namespace q6 {

// The main window: it owns the program's state and its controls. Its behaviour is split by
// subsystem; each method lives in the folder of the subsystem it belongs to.
class TForm1 : public Form {
 public:
  TForm1(PlatformServices& platform, TInfofenst& infofenst);

  // --- start-up and close (shell/) ---
  void FormCreate();
  void FormShow();
  // Always agrees to close.
  bool FormCloseQuery();
  void ScaleToPixelDensity();
  void about1Click();
  void Button1Click();

  // --- program settings file (shell/) ---
  void LoadSettings(const IniFile& ini);
  void SaveSettings();
  IniFile DefaultSettings() const;

  // --- languages (language/) ---
  std::string GetInfoString(int row) const;
  void ApplyLanguage();
  void german1Click();
  void english1Click();
  void Schwe1Click();
  void Franzsich1Click();
  void tuerk1Click();
  // Runs the menu click of a stored language code; false when the chooser must ask.
  bool SelectStartupLanguage();

  MainFrame frame;
  CommunicationControls comm;

  std::string ComPort;
  std::string LanguageCode;
  std::string PathMyDocs;
  std::string PathSetup;
  std::string PathConfig;
  std::string PathDeviceSettings;
  std::string PathDatalog;
  TFormatSettings fs;
  TGeraeteInfo Info;
  TMessage Msg;
  LinkState link;
  bool sio_started = false;

 private:
  void SelectLanguage(MenuItem& item, const char* code);
  void ReportSettingsFailure(const std::string& reason);

  PlatformServices& platform_;
  TInfofenst& infofenst_;
  bool settingsFailureReported_ = false;
};

}  // namespace q6
