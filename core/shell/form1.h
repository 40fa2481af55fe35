#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "core/device/calibration_mode_controls.h"
#include "core/device/config_controls.h"
#include "core/device/datalog_controls.h"
#include "core/device/development_controls.h"
#include "core/device/device_info.h"
#include "core/device/error_memory_controls.h"
#include "core/device/live_status_controls.h"
#include "core/device/measurement_controls.h"
#include "core/device/memory_image.h"
#include "core/device/memory_tables.h"
#include "core/files/ini_file.h"
#include "core/files/settings_keys.h"
#include "core/info/infofenst.h"
#include "core/language/message.h"
#include "core/language/text_table.h"
#include "core/link/link_state.h"
#include "core/link/progress.h"
#include "core/link/sio.h"
#include "core/sequencer/communication_controls.h"
#include "core/service/calibration.h"
#include "core/service/clock_sync_controls.h"
#include "core/service/kal_data.h"
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

  // --- device data (device/); the poll states hand their answers to these ---
  void FillRamTable();
  void StoreRamReply();
  void ShowLiveStatus();
  void ShowDimPhase(std::uint16_t dimZone);
  void ResetIndicators();
  void FillEepTable();
  void StoreEepReply();
  // Shows the write image in the last column of the EEPROM table as a write starts.
  void ShowEepWriteImage();
  // False when the dimmer is refused; the program has then gone offline.
  bool CheckCompatibility();
  bool DecodeEepromSettings();

  // --- configuration views, validation and encoding (device/) ---
  // `sender` is the control whose change caused the run, or the window itself.
  void CheckValues(const Control& sender);
  void RgNetzSetupClick();
  void RgLeistungsklasseClick();
  void UdUmschaltfrequenzChangingEx(int value);
  void EdGeraeteNrClick();

  // --- access levels (service/) ---
  void MenuePasswort1Click();
  void ApplyPasswordLevel(int level);

  // --- error memory (device/) ---
  void InitErrorGrid();
  void ShowErrorGridHeadings();
  void err_mem_read_btClick();
  void DecodeErrorMemory();
  void err_mem_clear_btClick();
  // Run by the RAM write completion while the clear button carries tag 1.
  void ErrMemClearDone();
  void ErrMemClearTimerTimer();
  void ExportErrorList();

  // --- settings files (files/) ---
  void MpDimmProfilLadenClick();
  void MpDimmProfilSpeichernClick();
  void MpGeraetedatenLadenClick();
  void MpGeraetedatenSpeichernClick();
  void Produktdatenladen1Click();
  void Produktdatenspeichern1Click();
  // Each sets the controls key by key; false when a time could not be read and loading stopped.
  bool LoadDimmProfile(const std::string& path);
  void SaveDimmProfile(const std::string& path);
  bool LoadDeviceSettings(const std::string& path);
  void SaveDeviceSettings(const std::string& path);
  bool LoadProductData(const std::string& path);
  void SaveProductData(const std::string& path);

  // --- calibration, manual mode and state commands, clock (service/) ---
  // Shows text 230 and answers false while communication is off.
  bool IsCommStarted();
  void BtNormalModeClick();
  void BtResetZustandClick();
  void BtKalibrierzustandClick();
  void BtManuellModeClick();
  void BtManuellSendClick();
  void BtWrKalUacClick();
  void BtWrKalUzClick();
  void BtWrKalPdcClick();
  // Window-level key and wheel handling for the focused control named `focused`; true or an
  // action other than Pass when the window consumed the input.
  bool FormKeyDown(StepKey key, const std::string& focused);
  WheelAction FormMouseWheel(int delta, const std::string& focused);
  void clk_btClick();
  void HelptimerTimer();

  // --- data logger (files/) ---
  void Timer_DatalogTimer();
  void cb_datenlogClick();
  void Edit9Change();
  void Bt_path_datalogClick();
  // Appends one sample of the RAM image to PathDatalog, after the header once per run.
  void WriteDatalogLine();

  // --- poll state machine and connection controls (sequencer/) ---
  void SPStimerTimer();
  void GoOffline();
  void ResetOfflineView();
  void BtComActivateClick();
  void CbComPortChange();
  void uC_read_btClick();
  void uC_send_btClick();

  MainFrame frame;
  CommunicationControls comm;
  LiveStatusControls live;
  DevelopmentControls develop;
  MeasurementControls measure;
  CalibrationModeControls modes;
  MemoryTables tables;
  ConfigControls config;
  ErrorMemoryControls errmem;
  DatalogControls datalog;
  ClockSyncControls pcClock;

  std::string ComPort;
  std::string LanguageCode;
  std::string PathMyDocs;
  std::string PathSetup;
  std::string PathConfig;
  std::string PathDeviceSettings;
  std::string PathDatalog;
  TFormatSettings fs;
  TGeraeteInfo Info;
  TKalData KalData;
  TMessage Msg;
  LinkState link;
  RamImage RamRData{};
  EepImage EepRData{};
  EepImage EepWData{};
  std::unique_ptr<TSio> Ths;
  int SioState = 1;
  bool sio_active = false;
  bool sio_started = false;
  bool hw_old = false;
  bool HardwareTestRequest = false;
  bool EepReadRequest = false;
  bool KalibrierRequest = false;
  bool EepWriteRequest = false;
  bool TimeWriteRequest = false;
  bool ErrMemoryReadRequest = false;
  bool RamReadRequest = false;
  bool RamWriteRequest = false;
  struct RamSendEntry {
    std::uint16_t address = 0;
    std::uint16_t value = 0;
  };
  std::array<RamSendEntry, 16> RamSendData{};
  int RamSendDataLength = 0;
  bool EepSynchron = false;
  std::uint16_t CurrentRegime = 0;
  int PowerClassValue = 2;
  int PasswordLevel = 0;
  bool datalog_request = false;
  // The header line has been written in this run.
  bool no_head = false;

 private:
  // The poll states, by the number kept in SioState.
  void OpenPort();
  void LogOn();
  void LogOnCheck();
  void RamBlockRequest();
  void RamBlockAnswer();
  void EepWrite();
  void EepWriteDone();
  void ErrMemRead();
  void ErrMemAnswer();
  void RamWrite();
  void RamWriteDone();
  void HwIdRequest();
  void HwIdAnswer();
  void EepRead();
  void EepReadAnswer();
  void ComFault();
  void ClockWrite();
  void ClockWriteDone();
  void KalWrite();
  void KalWriteDone();
  void StartBatch(std::uint32_t length, int next);
  void RestartTimer();
  void StopTimer();
  int NextStateByPriority() const;
  // Where a switch-on or a request starts: a log-on on the open port, or opening it first when
  // there is none or it has broken.
  int FirstState() const;
  // Closes the port and its worker, then takes the window offline; the port is opened again at
  // the next switch-on.
  void ClosePortAndGoOffline();
  // Where the serial worker shows its progress.
  class TransferBars : public ProgressBars {
   public:
    explicit TransferBars(CommunicationControls& comm) : comm_(comm) {}
    void setPosition(TransferBar bar, int position) override;

   private:
    CommunicationControls& comm_;
  };
  TransferBars transferBars_{comm};

  // Service commands: the RAM write list and the calibration write request.
  void QueueRamWrite(std::initializer_list<RamSendEntry> pairs);
  void QueueStateCommand(Button& button, std::uint16_t request);
  void QueueCalibration();
  void ShowCalibrationReference(const SpinField& stepper, Edit& field);
  SpinField* CalibrationStepperFor(const std::string& focused);
  // Writes the memo lines of a calibration; false (button enabled again) when there is no gain.
  bool ReportGain(Button& button, const char* channel, std::int32_t old, std::int64_t divisor,
                  std::optional<std::uint16_t> gain);

  void SelectLanguage(MenuItem& item, const char* code);
  void AttachConfigHandlers();
  void AttachDatalogHandlers();
  // Steps of the decoding that fill the configuration controls.
  void DecodeConfiguration();
  void ApplyOperatingMode();
  // The start-up state: level 0, the first tab, this program's identity.
  void InitAccessLevel();
  enum class SettingsStep { Read, Save };
  void ReportSettingsFailure(SettingsStep step, const std::string& reason);
  bool LoadSettingsFile(const std::string& path, const SettingsFileKind& kind);
  void SaveSettingsFile(const std::string& path, const SettingsFileKind& kind);
  bool LoadSettingKey(const IniFile& ini, std::string_view section, const SettingKey& key,
                      const std::string& path);
  std::string SettingKeyText(const SettingKey& key);
  void OpenSettingsFile(const SettingsFileKind& kind, const std::string& folder);
  void SaveSettingsFileAs(const SettingsFileKind& kind, const std::string& folder);

  PlatformServices& platform_;
  TInfofenst& infofenst_;
  bool settingsFailureReported_ = false;
  bool datalogFailureReported_ = false;
  // Switched on with the port kept from before, which has not carried a transfer since.
  bool keptPortUnproven_ = false;
};

}  // namespace q6
