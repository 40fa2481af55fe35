#include "core/device/config_words.h"
#include "core/device/power_class.h"
#include "core/shell/form1.h"

namespace q6 {

// Every control that takes a new value notifies as the user's change would; only the
// validation after the whole decoding counts.
void TForm1::DecodeConfiguration() {
  const auto times = config.times();
  for (std::size_t i = 0; i < times.size(); ++i) {
    const auto word = EepWord(EepRData, static_cast<std::uint16_t>(eep::FirstTime + 2 * i));
    // A word that names no time of day must not stop the decoding; the field says so instead.
    if (const auto seconds = WordToTime(word))
      times[i]->setSeconds(*seconds);
    else
      times[i]->setInvalid();
  }
  for (const auto& [address, low, high] : PercentWords(config)) {
    const std::uint16_t word = EepWord(EepRData, address);
    low->setValue(word & 0xFF);
    high->setValue(word >> 8);
  }
  for (const SettingWord& setting : StartWords(config))
    setting.decode(EepWord(EepRData, setting.address));
  ApplyOperatingMode();

  PowerClassValue = EepWord(EepRData, eep::PClass);
  // The decoded limits stand; the class must not preset its own.
  auto handler = config.RgLeistungsklasse.OnClick.detach();
  config.RgLeistungsklasse.setItemIndex(PowerClassToIndex(PowerClassValue));
  config.RgLeistungsklasse.OnClick.attach(std::move(handler));

  for (const SettingWord& setting : LimitWords(config))
    setting.decode(EepWord(EepRData, setting.address));

  KalData.fGainUac = EepWord(EepRData, 0x0070);
  KalData.fOffsetUac = EepWord(EepRData, 0x0072);
  KalData.fGainIz = EepWord(EepRData, 0x0074);
  KalData.fOffsetIz = EepWord(EepRData, 0x0076);
  KalData.fGainUz = EepWord(EepRData, 0x0078);
  KalData.fOffsetUz = EepWord(EepRData, 0x007A);
  KalData.fGainPdc = EepWord(EepRData, 0x007C);
}

}  // namespace q6
