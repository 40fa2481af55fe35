#include "sim/eeprom_image.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

namespace q6::sim {
namespace {

void Set(EepromImage& image, std::uint16_t address, std::uint16_t value) {
  image[address / 2] = value;
}

// Characters are packed two to a word, the first in the low byte.
void SetText(EepromImage& image, std::uint16_t address, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const auto low = static_cast<std::uint8_t>(text[i]);
    const auto high = static_cast<std::uint8_t>(i + 1 < text.size() ? text[i + 1] : 0);
    Set(image, static_cast<std::uint16_t>(address + i),
        static_cast<std::uint16_t>(high << 8 | low));
  }
}

std::uint16_t Time(int hour, int minute) { return static_cast<std::uint16_t>(hour << 8 | minute); }

std::uint16_t Bytes(int high, int low) { return static_cast<std::uint16_t>(high << 8 | low); }

void SetErrorEntry(EepromImage& image, int entry, std::uint16_t faultBits, int hour, int minute,
                   int day, int month, int year) {
  const auto address = static_cast<std::uint16_t>(0x0200 + 8 * entry);
  Set(image, address, faultBits);
  Set(image, static_cast<std::uint16_t>(address + 2), Bytes(minute, hour));
  Set(image, static_cast<std::uint16_t>(address + 4), Bytes(day, month));
  Set(image, static_cast<std::uint16_t>(address + 6), static_cast<std::uint16_t>(year - 2000));
}

std::optional<std::uint16_t> ParseHex(std::string_view text) {
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return std::nullopt;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
  if (error != std::errc{} || end != text.data() + text.size() || value > 0xFFFF) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(value);
}

using Word = std::pair<std::uint16_t, std::uint16_t>;

// A blank or comment line reads as the word 0x0000 := 0, which the loader skips.
std::optional<Word> ParseLine(const std::string& line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string::npos || line[first] == '#') return Word{};
  const auto gap = line.find_first_of(" \t", first);
  if (gap == std::string::npos) return std::nullopt;
  const auto second = line.find_first_not_of(" \t", gap);
  if (second == std::string::npos) return std::nullopt;
  const auto last = line.find_last_not_of(" \t\r");
  const auto address = ParseHex(std::string_view(line).substr(first, gap - first));
  const auto value = ParseHex(std::string_view(line).substr(second, last + 1 - second));
  if (!address || !value || *address % 2 != 0 || *address / 2 >= kEepromWords) return std::nullopt;
  return Word{*address, *value};
}

}  // namespace

EepromImage DefaultEepromImage() {
  EepromImage image{};
  Set(image, 0x0000, 0x0600);  // identification of the 6.x family
  Set(image, 0x0002, 0x0301);  // protocol 3.1
  Set(image, 0x0004, 0x0100);  // micro 1, build 0
  Set(image, 0x0006, 4711);    // firmware material number
  Set(image, 0x001C, 1);       // device number
  Set(image, 0x001E, 24);      // hardware version
  const std::uint16_t profile[] = {Time(20, 0), Time(22, 0), Time(5, 0), Time(6, 0),
                                   Time(22, 0), Time(0, 0),  Time(7, 0), Time(8, 0)};
  for (std::uint16_t i = 0; i < 8; ++i)
    Set(image, static_cast<std::uint16_t>(0x0020 + 2 * i), profile[i]);
  Set(image, 0x0030, Bytes(67, 30));  // weekday periods 1 (low) and 2 (high), percent
  Set(image, 0x0032, Bytes(30, 30));  // weekday period 3, weekend period 1
  Set(image, 0x0034, Bytes(30, 67));  // weekend periods 2 and 3
  Set(image, 0x0036, 2000);           // pre-start voltage, 0.1 V
  Set(image, 0x0038, 20);             // start ramp, s
  Set(image, 0x003E, 1);              // error handling "Normal"
  Set(image, 0x0040, 1);              // cable network
  Set(image, 0x0042, 2380);           // start voltage
  Set(image, 0x0044, 2400);           // re-ignition voltage
  Set(image, 0x0046, 2);              // re-ignition duration, s
  Set(image, 0x0048, 1);              // pre-start ramp, s
  Set(image, 0x004A, 5);              // start voltage duration, s
  Set(image, 0x004C, 2300);           // nominal voltage
  Set(image, 0x004E, 50);             // burn-in frequency, Hz
  Set(image, 0x0050, 600);            // burn-in time, s
  Set(image, 0x0052, 3000);           // darkening time x 5
  Set(image, 0x0054, 3000);           // brightening time x 5
  Set(image, 0x0056, 70);             // changeover frequency
  Set(image, 0x0058, 1840);           // changeover voltage
  Set(image, 0x005A, 1);              // summer time correction on
  Set(image, 0x005C, 16384);          // factor of 230 V
  Set(image, 0x0060, 2);              // power class 3000 W
  Set(image, 0x0062, 4000);
  Set(image, 0x0064, 3950);
  Set(image, 0x0066, 4150);
  Set(image, 0x0068, 91);
  Set(image, 0x006A, 91);
  Set(image, 0x006C, 30);
  Set(image, 0x006E, 30);
  for (std::uint16_t address = 0x0070; address <= 0x007C; address += 4) Set(image, address, 4096);
  SetText(image, 0x0100, "60103000");    // material number
  SetText(image, 0x0110, "VRKA3000");    // model name
  SetText(image, 0x0120, "20.07.2015");  // product date
  Set(image, 0x0130, 'A');
  SetErrorEntry(image, 0, 0x0001, 3, 12, 14, 2, 2015);
  SetErrorEntry(image, 1, 0x0200, 22, 47, 3, 5, 2015);
  SetErrorEntry(image, 2, 0x8010, 6, 5, 19, 7, 2015);
  Set(image, 0x01FE, 3);  // ring pointer: entry 2 is the newest
  return image;
}

std::optional<EepromImage> LoadEepromImage(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) return std::nullopt;
  EepromImage image{};
  std::string line;
  while (std::getline(in, line)) {
    const auto word = ParseLine(line);
    if (!word) return std::nullopt;
    if (word->first != 0 || word->second != 0) Set(image, word->first, word->second);
  }
  return image;
}

bool SaveEepromImage(const std::filesystem::path& file, const EepromImage& image) {
  std::ofstream out(file);
  out << "# quendaris-dimmer EEPROM image: address value\n";
  char line[32];
  for (std::size_t i = 0; i < image.size(); ++i) {
    std::snprintf(line, sizeof line, "0x%04zX 0x%04X\n", 2 * i, unsigned{image[i]});
    out << line;
  }
  return static_cast<bool>(out);
}

}  // namespace q6::sim
