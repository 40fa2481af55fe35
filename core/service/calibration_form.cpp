#include <array>
#include <string>

#include "core/device/live_format.h"
#include "core/device/memory_image.h"
#include "core/device/ram_map.h"
#include "core/service/calibration.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr std::uint16_t kGainUac = 0x0070;
constexpr std::uint16_t kGainUz = 0x0078;
constexpr std::uint16_t kGainPdc = 0x007C;

constexpr std::array kTimePickers = {
    "DateTimePicker_Mo1", "DateTimePicker_Mo2", "DateTimePicker_Mo3", "DateTimePicker_Mo_End",
    "DateTimePicker_Sa1", "DateTimePicker_Sa2", "DateTimePicker_Sa3", "DateTimePicker_Sa_End"};

void SetWord(EepImage& image, std::uint16_t address, std::uint16_t value) {
  image[static_cast<std::size_t>(EepIndex(address))].Value = value;
}

}  // namespace

void TForm1::ShowCalibrationReference(const SpinField& stepper, Edit& field) {
  field.setText(TenthsOneDecimal(stepper.value(), platform_.locale.decimalSeparator()));
}

SpinField* TForm1::CalibrationStepperFor(const std::string& focused) {
  if (focused == modes.EdKalUac.name()) return &modes.UdKalUac;
  if (focused == modes.EdKalUz.name()) return &modes.UdKalUz;
  return nullptr;
}

bool TForm1::FormKeyDown(StepKey key, const std::string& focused) {
  SpinField* stepper = CalibrationStepperFor(focused);
  if (!stepper) return false;
  key == StepKey::Up ? stepper->stepUp() : stepper->stepDown();
  return true;
}

WheelAction TForm1::FormMouseWheel(int delta, const std::string& focused) {
  if (delta == 0) return WheelAction::Pass;
  const StepKey key = delta > 0 ? StepKey::Up : StepKey::Down;
  if (FormKeyDown(key, focused)) return WheelAction::Handled;
  for (const char* picker : kTimePickers)
    if (focused == picker) return key == StepKey::Up ? WheelAction::KeyUp : WheelAction::KeyDown;
  return WheelAction::Pass;
}

bool TForm1::ReportGain(Button& button, const char* channel, std::int32_t old, std::int64_t divisor,
                        std::optional<std::uint16_t> gain) {
  Memo& memo = modes.Memo1;
  if (!gain) {
    // No gain can be derived: nothing is stored or sent, and the button stays usable.
    memo.add(std::string("Kalibrierung (") + channel + ") nicht gesendet: " +
             (divisor == 0 ? "Anzeige ist 0." : "neuer Wert außerhalb 0 ... 65535."));
    button.setEnabled(true);
    return false;
  }
  memo.add(std::string("Alter Kalibrierwert (") + channel + "): " + std::to_string(old));
  memo.add(std::string("Neuer Kalibrierwert (") + channel + "): " + std::to_string(*gain));
  return true;
}

void TForm1::BtWrKalUacClick() {
  Memo& memo = modes.Memo1;
  if (measure.EdFreqIst.text() != "50") {
    memo.add("Frequenz <> 50 Hz");
    memo.add("Button Zustand Kalibrierung nutzen.");
    return;
  }
  if (develop.EdEwUacSoll.text() != "230") {
    memo.add("UAcSoll <> 230 V");
    memo.add("Button Zustand Kalibrierung nutzen.");
    return;
  }
  modes.BtWrKalUac.setEnabled(false);
  const std::int32_t old = KalData.fGainUac;
  const auto gain = ScaledGain(old, modes.UdKalUac.value(), kCalibrationSetpointTenths);
  if (!ReportGain(modes.BtWrKalUac, "Uac", old, kCalibrationSetpointTenths, gain)) return;
  KalData.fGainUac = *gain;
  SetWord(EepWData, kGainUac, *gain);
  SetWord(EepRData, kGainUac, *gain);
  QueueCalibration();
}

void TForm1::BtWrKalUzClick() {
  modes.BtWrKalUz.setEnabled(false);
  const std::int32_t old = KalData.fGainUz;
  const std::uint16_t reading = RamWord(RamRData, ram::UzMittel);
  const auto gain = ScaledGain(old, modes.UdKalUz.value(), reading);
  if (!ReportGain(modes.BtWrKalUz, "Uz", old, reading, gain)) return;
  KalData.fGainUz = *gain;
  SetWord(EepWData, kGainUz, *gain);
  QueueCalibration();
}

void TForm1::BtWrKalPdcClick() {
  modes.BtWrKalPdc.setEnabled(false);
  const std::int32_t old = KalData.fGainPdc;
  const std::uint16_t reading = RamWord(RamRData, ram::PDc);
  const auto gain = ScaledGain(old, modes.UdKalPdc.value(), reading);
  if (!ReportGain(modes.BtWrKalPdc, "Pdc", old, reading, gain)) return;
  KalData.fGainPdc = *gain;
  SetWord(EepWData, kGainPdc, *gain);
  QueueCalibration();
}

void TForm1::QueueCalibration() {
  link.RxDone = false;
  StopTimer();
  KalibrierRequest = true;
  if (!sio_active) link.PortName = ComPort;
  SioState = sio_active ? 1 : 0;
  frame.SPStimer.setEnabled(true);
}

}  // namespace q6
