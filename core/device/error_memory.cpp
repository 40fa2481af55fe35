#include "core/device/error_memory.h"

#include <array>
#include <cstdio>

namespace q6 {
namespace {

constexpr int kEntryWords = 4;
constexpr std::uint16_t kErasedWord = 0xFFFF;

struct FaultBit {
  int bit;
  std::string TMessage::*text;  // null: the fixed text below
};

// In the order the fault text lists them; bits 11..14 are not shown.
constexpr std::array kFaultBits = {
    FaultBit{0, &TMessage::OverTempKK1},
    FaultBit{1, &TMessage::OverTempKK2},
    FaultBit{2, &TMessage::SensErrorKK1},
    FaultBit{3, &TMessage::SensErrorKK2},
    FaultBit{4, &TMessage::UzMaxError},
    FaultBit{5, &TMessage::IzMaxError},
    FaultBit{6, &TMessage::ConceptError},
    FaultBit{7, &TMessage::ShortCircuitAc},
    FaultBit{8, &TMessage::UAcMaxBack},
    FaultBit{9, &TMessage::PowerMax},
    FaultBit{10, nullptr},
    FaultBit{15, &TMessage::PermanentError},
};
constexpr const char* kDischargeFault = "Uz Entladefehler";

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%2.2d", value);
  return text;
}

std::string TimeStamp(std::uint16_t hourMinute, std::uint16_t monthDay, std::uint16_t year) {
  const auto low = [](std::uint16_t word) { return word & 0xFF; };
  const auto high = [](std::uint16_t word) { return word >> 8; };
  std::string stamp = TwoDigits(high(monthDay)) + "." + TwoDigits(low(monthDay)) + "." +
                      TwoDigits(low(year) + 2000) + "  " + TwoDigits(low(hourMinute)) + ":" +
                      TwoDigits(high(hourMinute));
  return stamp == "00.00.2000  00:00" ? std::string{} : stamp;
}

std::string FaultText(std::uint16_t bits, const TMessage& msg) {
  std::string text;
  for (const auto& [bit, field] : kFaultBits) {
    if (!(bits & (1U << bit))) continue;
    if (!text.empty()) text += ", ";
    text += field ? msg.*field : kDischargeFault;
  }
  return text;
}

}  // namespace

int ErrorRingEntry(std::uint16_t pointerWord, int row) {
  // The high byte is unused; a low byte past the ring wraps around it like the entries do.
  const int newestPlusOne = (pointerWord & 0xFF) % kErrorRingEntries;
  return ((newestPlusOne - row) % kErrorRingEntries + kErrorRingEntries) % kErrorRingEntries;
}

TFehler_Data DecodeErrorEntry(const EepImage& image, int entry, const TMessage& msg) {
  std::array<std::uint16_t, kEntryWords> words{};
  for (int i = 0; i < kEntryWords; ++i)
    words[static_cast<std::size_t>(i)] =
        EepWord(image, static_cast<std::uint16_t>(kErrorRingStart + 2 * (kEntryWords * entry + i)));
  // A cleared ring reads as erased EEPROM; such a slot holds no fault, like an all-zero one.
  if (words == std::array{kErasedWord, kErasedWord, kErasedWord, kErasedWord}) return {};
  return {TimeStamp(words[1], words[2], words[3]), FaultText(words[0], msg)};
}

std::string ErrorListFileName(std::string chosen) {
  const std::size_t tail = chosen.size() < 4 ? 0 : chosen.size() - 4;
  if (chosen.find('.', tail) == std::string::npos) chosen += ".xls";
  return chosen;
}

}  // namespace q6
