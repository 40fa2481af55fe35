#include "core/device/config_words.h"

namespace q6 {

CaptionedControl& SettingWord::marked() const {
  if (spin) return *spin;
  if (bits) return *bits;
  return *flag;
}

std::uint16_t SettingWord::encode() const {
  if (spin) return static_cast<std::uint16_t>(spin->value() * scale);
  if (bits) return static_cast<std::uint16_t>(1U << bits->itemIndex());
  return flag->checked() ? 1 : 0;
}

void SettingWord::decode(std::uint16_t word) const {
  if (spin) {
    spin->setValue(word / scale);
  } else if (bits) {
    // The last set bit wins.
    for (std::size_t i = 0; i < bits->items().size(); ++i)
      if (word & (1U << i)) bits->setItemIndex(static_cast<int>(i));
  } else {
    flag->setChecked(word & 1U);
  }
}

std::array<SettingWord, 17> StartWords(ConfigControls& c) {
  return {{
      {0x0036, &c.UdUAcVorStart, 10},
      {0x0038, &c.UdTimeStartrampe},
      {0x003E, nullptr, 1, &c.RgVersion},
      {0x0040, nullptr, 1, &c.RgNetzSetup},
      {0x0042, &c.UdUAcStart, 10},
      {0x0044, &c.UdUacNachzuend, 10},
      {0x0046, &c.UdTimeNachzuend},
      {0x0048, &c.UdTimeVorStartrampe},
      {0x004A, &c.UdDauerStartspannung},
      {0x004C, &c.UdUAcNenn, 10},
      {0x004E, &c.UdEinbrennFrequenz},
      {0x0050, &c.UdEinbrennzeit, 60},
      {0x0052, &c.UdTimePRedUp, 5},
      {0x0054, &c.UdTimePRedDown, 5},
      {0x0056, &c.UdUmschaltfrequenz},
      {0x0058, &c.UdUmschaltspannung, 10},
      {0x005A, nullptr, 1, nullptr, &c.CbSommerzeitkorrektur},
  }};
}

std::array<SettingWord, 7> LimitWords(ConfigControls& c) {
  return {{
      {0x0062, &c.UdPDcRed},
      {0x0064, &c.UdPdcRedOff},
      {0x0066, &c.UdPDCOverload},
      {0x0068, &c.UdEwUacRampeWechselUp},
      {0x006A, &c.UdEwUacRampeWechselDown},
      {0x006C, &c.UdEwFreqRampeWechselUp},
      {0x006E, &c.UdEwFreqRampeWechselDown},
  }};
}

std::array<PercentWord, 3> PercentWords(ConfigControls& c) {
  return {{
      {0x0030, &c.UdWt1, &c.UdWt2},
      {0x0032, &c.UdWt3, &c.UdWe1},
      {0x0034, &c.UdWe2, &c.UdWe3},
  }};
}

std::optional<int> WordToTime(std::uint16_t word) {
  const int hour = word >> 8;
  const int minute = word & 0xFF;
  if (hour > 23 || minute > 59) return std::nullopt;
  return hour * 3600 + minute * 60;
}

std::uint16_t TimeToWord(int seconds) {
  return static_cast<std::uint16_t>(seconds / 3600 * 256 + seconds / 60 % 60);
}

std::uint16_t UModeKFaktor(int volts) {
  return static_cast<std::uint16_t>((volts * 16384 + 115) / 230);
}

}  // namespace q6
