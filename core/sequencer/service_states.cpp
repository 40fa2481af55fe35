#include <algorithm>

#include "core/link/records.h"
#include "core/service/calibration.h"
#include "core/service/clock_sync.h"
#include "core/service/summer_time.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr std::uint16_t kStatusSetBits = 0x006C;
constexpr std::uint16_t kFirstCalibrationWord = 0x0070;
constexpr std::uint16_t kCalibrationWords = 7;
constexpr std::uint16_t kTakeOverEeprom = 2;
constexpr std::uint32_t kClockWriteLength = 30;
constexpr std::uint32_t kCalibrationWriteLength = 48;

std::size_t Row(std::uint16_t address) { return static_cast<std::size_t>(EepIndex(address)); }

}  // namespace

void TForm1::ClockWrite() {
  const auto words = ClockSettingWords(
      DeviceStandardTime(platform_.clock.now(), GetDaylightBias(platform_.clock)));
  if (!words) {
    // The year word counts from 2000; an earlier PC date would set a wrong clock.
    StopTimer();
    TimeWriteRequest = false;
    RamReadRequest = true;
    pcClock.clk_bt.setEnabled(true);
    SioState = 1;
    platform_.dialogs.ShowMessage(
        "Die PC-Uhr steht vor dem Jahr 2000: die Uhrzeit des Dimmers wird nicht gesetzt.");
    RestartTimer();
    return;
  }
  std::uint16_t slot = 0;
  for (; slot < words->size(); ++slot)
    send_sio(link, *Ths, SioState, kSendWriteRamWord, kClockSettingAddresses[slot], (*words)[slot],
             slot);
  send_sio(link, *Ths, SioState, kSendWriteRamWord, kStatusSetBits, kTakeOverClock, slot);
  StartBatch(kClockWriteLength, 10);
}

void TForm1::ClockWriteDone() {
  if (!link.RxDone) return;
  StopTimer();
  comm.ProgressBar_EEP.setPosition(0);
  link.RxDone = false;
  SioState = 1;
  TimeWriteRequest = false;
  RamReadRequest = true;
  RestartTimer();
  pcClock.clk_bt.setEnabled(true);
}

void TForm1::KalWrite() {
  std::uint16_t slot = 0;
  for (; slot < kCalibrationWords; ++slot) {
    const auto address = static_cast<std::uint16_t>(kFirstCalibrationWord + 2 * slot);
    send_sio(link, *Ths, SioState, kSendWriteEepromWord, address, EepWData[Row(address)].Value,
             slot);
  }
  send_sio(link, *Ths, SioState, kSendWriteRamWord, kStatusSetBits, kTakeOverEeprom, slot);
  StartBatch(kCalibrationWriteLength, 20);
}

void TForm1::KalWriteDone() {
  if (!link.RxDone) return;
  StopTimer();
  KalibrierRequest = false;
  const std::size_t first = Row(kFirstCalibrationWord);
  std::copy_n(EepWData.begin() + static_cast<std::ptrdiff_t>(first), kCalibrationWords,
              EepRData.begin() + static_cast<std::ptrdiff_t>(first));
  modes.UdKalUac.setValue(static_cast<int>(kCalibrationSetpointTenths));
  ShowCalibrationReference(modes.UdKalUac, modes.EdKalUac);
  link.RxDone = false;
  SioState = 1;
  RestartTimer();
  for (Button* button : {&modes.BtWrKalUac, &modes.BtWrKalUz, &modes.BtWrKalPdc})
    button->setEnabled(true);
}

}  // namespace q6
