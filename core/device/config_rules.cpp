#include <array>

#include "core/device/power_class.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

enum OperatingMode { kCableNet = 0, kOverheadLine = 1 };

// What a changeover frequency presets.
struct Changeover {
  int frequency;
  int volts;
  int uacRamp;
  int freqRamp;
};
constexpr std::array<Changeover, 4> kChangeovers = {{
    {60, 208, 91, 61},
    {65, 195, 57, 43},
    {70, 184, 43, 35},
    {75, 174, 36, 30},
}};

}  // namespace

void TForm1::AttachConfigHandlers() {
  ConfigControls& c = config;
  for (TimeField* time : c.times()) time->OnChange.attach([this, time] { CheckValues(*time); });
  for (SpinField* spin : {&c.UdWt1,
                          &c.UdWt2,
                          &c.UdWt3,
                          &c.UdWe1,
                          &c.UdWe2,
                          &c.UdWe3,
                          &c.UdTimePRedUp,
                          &c.UdTimePRedDown,
                          &c.UdEinbrennzeit,
                          &c.UdEinbrennFrequenz,
                          &c.UdUAcStart,
                          &c.UdUAcNenn,
                          &c.UdUacNachzuend,
                          &c.UdUAcVorStart,
                          &c.UdTimeVorStartrampe,
                          &c.UdTimeStartrampe,
                          &c.UdDauerStartspannung,
                          &c.UdTimeNachzuend,
                          &c.UdPDcRed,
                          &c.UdPdcRedOff,
                          &c.UdPDCOverload,
                          &c.UdUmschaltfrequenz,
                          &c.UdUmschaltspannung,
                          &c.UdHardwareversion})
    spin->OnChange.attach([this, spin] { CheckValues(*spin); });
  c.EdGeraeteNr.OnChange.attach([this] { CheckValues(config.EdGeraeteNr); });
  c.EdGeraeteNr.OnClick.attach([this] { EdGeraeteNrClick(); });
  c.RgVersion.OnClick.attach([this] { CheckValues(config.RgVersion); });
  c.CbSommerzeitkorrektur.OnClick.attach([this] { CheckValues(*this); });
  c.RgNetzSetup.OnClick.attach([this] { RgNetzSetupClick(); });
  c.RgLeistungsklasse.OnClick.attach([this] { RgLeistungsklasseClick(); });
  c.UdUmschaltfrequenz.OnChanging.attach(
      [this](int value) { UdUmschaltfrequenzChangingEx(value); });
}

void TForm1::RgNetzSetupClick() {
  ApplyOperatingMode();
  CheckValues(*this);
}

void TForm1::ApplyOperatingMode() {
  ConfigControls& c = config;
  const int mode = c.RgNetzSetup.itemIndex();
  // The hidden spin field keeps its value: it is still written.
  c.UdEinbrennFrequenz.setVisible(mode == kCableNet);
  c.EdEinbrennFrequenzU.setVisible(mode != kCableNet);
  const bool overheadLine = mode == kOverheadLine;
  c.GbFreileitung.setEnabled(overheadLine && c.RgNetzSetup.enabled());
  for (Control* frequency :
       {static_cast<Control*>(&c.UdUmschaltfrequenz), static_cast<Control*>(&c.LbUmschaltfrequenz)})
    frequency->setEnabled(overheadLine);
}

void TForm1::RgLeistungsklasseClick() {
  PowerClassValue = IndexToPowerClass(config.RgLeistungsklasse.itemIndex());
  const PowerClass& powerClass = PowerClassOfValue(PowerClassValue);
  config.UdPDcRed.setValue(powerClass.reductionOn);
  config.UdPdcRedOff.setValue(powerClass.reductionOff);
  config.UdPDCOverload.setValue(powerClass.overload);
  CheckValues(*this);
}

void TForm1::UdUmschaltfrequenzChangingEx(int value) {
  for (const Changeover& row : kChangeovers) {
    if (row.frequency != value) continue;
    config.UdUmschaltspannung.setValue(row.volts);
    config.UdEwUacRampeWechselUp.setValue(row.uacRamp);
    config.UdEwUacRampeWechselDown.setValue(row.uacRamp);
    config.UdEwFreqRampeWechselUp.setValue(row.freqRamp);
    config.UdEwFreqRampeWechselDown.setValue(row.freqRamp);
  }
}

void TForm1::EdGeraeteNrClick() { config.EdGeraeteNr.setText({}); }

}  // namespace q6
