#pragma once

#include <array>

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The configuration the dimmer keeps in EEPROM: the two dimming profiles and the dimming times
// of the tab "Dimmprofil", the device settings of the tab "Geräteeinstellungen " and the
// changeover ramps of the tab "Entwicklung".
struct ConfigControls {
  explicit ConfigControls(Form& form);

  // Sunday-to-Thursday night, then Friday/Saturday night: periods 1..3 and the end of dimming.
  TimeField& DateTimePicker_Mo1;
  TimeField& DateTimePicker_Mo2;
  TimeField& DateTimePicker_Mo3;
  TimeField& DateTimePicker_Mo_End;
  TimeField& DateTimePicker_Sa1;
  TimeField& DateTimePicker_Sa2;
  TimeField& DateTimePicker_Sa3;
  TimeField& DateTimePicker_Sa_End;
  SpinField& UdWt1;
  SpinField& UdWt2;
  SpinField& UdWt3;
  Edit& EdWtRedEnd;
  SpinField& UdWe1;
  SpinField& UdWe2;
  SpinField& UdWe3;
  Edit& EdWeRedEnd;

  GroupBox& GbDimmeinstellungen;
  SpinField& UdTimePRedUp;
  SpinField& UdTimePRedDown;
  SpinField& UdEinbrennzeit;

  GroupBox& GbStarteinstellungen;
  SpinField& UdEinbrennFrequenz;
  Edit& EdEinbrennFrequenzU;
  SpinField& UdUAcStart;
  SpinField& UdUAcNenn;
  SpinField& UdUacNachzuend;
  SpinField& UdUAcVorStart;
  SpinField& UdTimeVorStartrampe;
  SpinField& UdTimeStartrampe;
  SpinField& UdDauerStartspannung;
  SpinField& UdTimeNachzuend;

  RadioGroup& RgNetzSetup;
  RadioGroup& RgVersion;
  RadioGroup& RgLeistungsklasse;
  GroupBox& GbLeistungsgrenzwerte;
  SpinField& UdPDcRed;
  SpinField& UdPdcRedOff;
  SpinField& UdPDCOverload;
  GroupBox& GbFreileitung;
  Label& LbUmschaltfrequenz;
  SpinField& UdUmschaltfrequenz;
  SpinField& UdUmschaltspannung;
  GroupBox& GbSommerzeit;
  CheckBox& CbSommerzeitkorrektur;
  GroupBox& GbHardware;
  SpinField& UdHardwareversion;
  Edit& EdGeraeteNr;

  GroupBox& GbFreileitungsumschaltung;
  SpinField& UdEwUacRampeWechselUp;
  SpinField& UdEwUacRampeWechselDown;
  SpinField& UdEwFreqRampeWechselUp;
  SpinField& UdEwFreqRampeWechselDown;

  // In the order of their EEPROM words, 0x0020..0x002E.
  std::array<TimeField*, 8> times() const;
};

}  // namespace q6
