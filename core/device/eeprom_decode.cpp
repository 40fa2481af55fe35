#include "core/device/eeprom_map.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

// A character code as UTF-8; codes that name no character become U+FFFD.
void AppendCharacter(std::string& text, std::uint32_t code) {
  if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Two characters per word, low byte first, in ascending address order.
std::string WordsAsText(const EepImage& image, std::uint16_t first, int words) {
  std::string text;
  for (int i = 0; i < words; ++i) {
    const std::uint16_t word = EepWord(image, static_cast<std::uint16_t>(first + 2 * i));
    AppendCharacter(text, word & 0xFFU);
    AppendCharacter(text, word >> 8);
  }
  return text;
}

std::string ThreeDigits(std::uint16_t value) {
  std::string text = std::to_string(value);
  return text.size() < 3 ? std::string(3 - text.size(), '0') + text : text;
}

}  // namespace

bool TForm1::DecodeEepromSettings() {
  if (!CheckCompatibility()) return false;
  Info.SoftwareMaterialNummer = EepWord(EepRData, eep::SoftwareMaterialNummer);
  Info.GeraeteNr = EepWord(EepRData, eep::Geraetenummer);
  Info.HardwareInfo = EepWord(EepRData, eep::HardwareInfo);
  const std::string number = std::to_string(Info.GeraeteNr);
  config.EdGeraeteNr.setText(std::string(number.size() < 5 ? 5 - number.size() : 0, '0') + number);
  config.UdHardwareversion.setValue(Info.HardwareInfo);

  std::string name = WordsAsText(EepRData, eep::MaterialNumberText, 4);
  name += std::to_string(Info.HardwareInfo);
  AppendCharacter(name, EepWord(EepRData, eep::ProductNameChar));
  name += "-P";
  if (Info.uCBuildNr != 0) name += ThreeDigits(Info.uCBuildNr);
  Info.SoftwarePName = name;
  Info.HardwareKennung = name;
  Info.SoftwarePDate = WordsAsText(EepRData, eep::ProductDateText, 5);
  Info.HardwareName = WordsAsText(EepRData, eep::ModelNameText, 4);
  frame.SbInfo.setPanelText(0, "Version: " + Info.SoftwarePName + " " + Info.HardwareName);
  DecodeConfiguration();
  return true;
}

}  // namespace q6
