#include "core/device/memory_table.h"

#include <array>

namespace q6 {

std::string WordToBinText(std::uint16_t word) {
  std::string text;
  for (int bit = 15; bit >= 0; --bit) {
    text += (word >> bit) & 1U ? '1' : '0';
    if (bit % 4 == 0 && bit > 0) text += " . ";
  }
  return text;
}

std::string HexWord(std::uint16_t word) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(word >> shift) & 0xFU];
  return text;
}

void WriteMemoryHeading(Grid& grid) {
  static constexpr std::array kHeadings = {"Nr.",       "Adresse",   "Name",     "Value u16",
                                           "Value s16", "Value Hex", "Value Bin"};
  for (int column = 0; column < static_cast<int>(kHeadings.size()); ++column)
    grid.setCell(column, 0, kHeadings[static_cast<std::size_t>(column)]);
}

void WriteMemoryIdentity(Grid& grid, int row, const TData& data) {
  grid.setCell(kColNr, row, std::to_string(data.nr));
  grid.setCell(kColAdresse, row, HexWord(data.adr));
  grid.setCell(kColName, row, data.Name);
}

void WriteMemoryRow(Grid& grid, int row, const TData& data) {
  WriteMemoryIdentity(grid, row, data);
  grid.setCell(kColU16, row, std::to_string(data.Value));
  grid.setCell(kColS16, row, std::to_string(static_cast<std::int16_t>(data.Value)));
  grid.setCell(kColHex, row, HexWord(data.Value));
  grid.setCell(kColBin, row, WordToBinText(data.Value));
}

}  // namespace q6
