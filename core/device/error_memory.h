#pragma once

#include <cstdint>
#include <string>

#include "core/device/memory_image.h"
#include "core/language/message.h"

namespace q6 {

// The dimmer's ring of its last 64 faults in EEPROM: a pointer word, then four words per entry.
inline constexpr std::uint16_t kErrorRingPointer = 0x01FE;
inline constexpr std::uint16_t kErrorRingStart = 0x0200;
inline constexpr std::uint16_t kErrorRingWords = 256;
inline constexpr int kErrorRingEntries = 64;

// One decoded entry: its time-stamp text and its fault text.
struct TFehler_Data {
  std::string Datum;
  std::string Error;
};

// The ring entry shown in table row `row` (1 = newest) for the pointer word as read.
int ErrorRingEntry(std::uint16_t pointerWord, int row);

// Decodes entry `entry` of the ring held in rows 256..511 of the image.
TFehler_Data DecodeErrorEntry(const EepImage& image, int entry, const TMessage& msg);

// The export file name the user chose, with ".xls" appended when none of its last four
// characters is a dot.
std::string ErrorListFileName(std::string chosen);

}  // namespace q6
