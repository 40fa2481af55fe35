#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "core/device/config_words.h"
#include "core/device/eeprom_map.h"
#include "core/device/power_class.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

enum TimeState { kEqual = 0, kChanged = 1, kOutOfOrder = 2 };

constexpr int kDaySeconds = 24 * 3600;
// Neighbouring profile times that must not decrease, by index into the time fields.
constexpr std::pair<std::size_t, std::size_t> kOrderedPairs[] = {{0, 1}, {1, 2}, {2, 3},
                                                                 {4, 5}, {5, 6}, {6, 7}};

std::optional<std::uint16_t> ParseDeviceNumber(const std::string& text) {
  unsigned value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end || value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

// A day that runs from noon to noon, so that the evening comes before the next morning.
int NightPosition(int seconds) { return (seconds + kDaySeconds / 2) % kDaySeconds; }

Rgb NormalColor(const Control& control) {
  const bool panel =
      control.kind() == ControlKind::RadioGroup || control.kind() == ControlKind::CheckBox;
  return panel ? colors::kPanel : colors::kWindow;
}

void Mark(CaptionedControl& control, bool differs) {
  control.setColor(differs ? colors::kChanged : NormalColor(control));
}

// Two characters per word, the first in the low byte.
void PutText(EepImage& image, std::uint16_t first, std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    image[static_cast<std::size_t>(EepIndex(static_cast<std::uint16_t>(first + i)))].Value =
        static_cast<std::uint16_t>(static_cast<unsigned char>(text[i]) |
                                   static_cast<unsigned char>(text[i + 1]) << 8);
}

}  // namespace

void TForm1::CheckValues(const Control& sender) {
  ConfigControls& c = config;
  const auto store = [this](std::uint16_t address, std::uint16_t word) {
    EepWData[static_cast<std::size_t>(EepIndex(address))].Value = word;
    return word != EepWord(EepRData, address);
  };

  const auto number = ParseDeviceNumber(c.EdGeraeteNr.text());
  c.EdGeraeteNr.setColor(number ? colors::kWindow : colors::kInvalid);
  if (!EepSynchron) return;

  if (c.EdEinbrennFrequenzU.text() == "50") c.EdEinbrennFrequenzU.setColor(colors::kWindow);
  // An invalid number keeps the last valid one in the write image.
  if (number) Mark(c.EdGeraeteNr, store(eep::Geraetenummer, *number));
  Mark(c.UdHardwareversion,
       store(eep::HardwareInfo, static_cast<std::uint16_t>(c.UdHardwareversion.value())));

  const auto times = c.times();
  std::array<int, 8> states{};
  for (std::size_t i = 0; i < times.size(); ++i) {
    // A field that holds no time of day keeps the dimmer's word and stays invalid until set.
    if (!times[i]->valid()) {
      states[i] = kOutOfOrder;
      continue;
    }
    const auto address = static_cast<std::uint16_t>(eep::FirstTime + 2 * i);
    states[i] = store(address, TimeToWord(times[i]->seconds())) ? kChanged : kEqual;
  }
  for (const auto& [first, second] : kOrderedPairs) {
    if (!times[first]->valid() || !times[second]->valid()) continue;
    if (NightPosition(times[first]->seconds()) <= NightPosition(times[second]->seconds())) continue;
    states[times[first] == &sender ? first : second] = kOutOfOrder;
  }
  for (std::size_t i = 0; i < times.size(); ++i)
    times[i]->setColor(states[i] == kOutOfOrder ? colors::kInvalid
                       : states[i] == kChanged  ? colors::kChanged
                                                : colors::kWindow);
  if (std::ranges::find(states, kOutOfOrder) != states.end())
    comm.uC_send_bt.setEnabled(false);
  else if (sio_active)
    comm.uC_send_bt.setEnabled(true);

  for (const auto& [address, low, high] : PercentWords(c)) {
    const auto word = static_cast<std::uint16_t>(low->value() | high->value() << 8);
    store(address, word);
    const std::uint16_t read = EepWord(EepRData, address);
    Mark(*low, (word & 0xFF) != (read & 0xFF));
    Mark(*high, (word >> 8) != (read >> 8));
  }
  c.EdWtRedEnd.setColor(colors::kWindow);
  c.EdWeRedEnd.setColor(colors::kWindow);

  for (const SettingWord& setting : StartWords(c))
    Mark(setting.marked(), store(setting.address, setting.encode()));
  store(eep::UModeKFaktor, UModeKFaktor(c.UdUAcNenn.value()));

  PowerClassValue = IndexToPowerClass(c.RgLeistungsklasse.itemIndex());
  Mark(c.RgLeistungsklasse, store(eep::PClass, static_cast<std::uint16_t>(PowerClassValue)));
  for (const SettingWord& setting : LimitWords(c))
    Mark(setting.marked(), store(setting.address, setting.encode()));

  const PowerClass& powerClass = PowerClassOfValue(PowerClassValue);
  PutText(EepWData, eep::MaterialNumberText, powerClass.materialNumber);
  PutText(EepWData, eep::ModelNameText, powerClass.modelName);
}

}  // namespace q6
