#pragma once

#include <cstdint>
#include <string>

#include "core/device/memory_image.h"
#include "core/widgets/grid.h"

namespace q6 {

// The raw tables of the RAM and EEPROM images share their first seven columns.
enum MemoryColumn { kColNr, kColAdresse, kColName, kColU16, kColS16, kColHex, kColBin };

// Four groups of four binary digits, highest bit first, joined by " . ".
std::string WordToBinText(std::uint16_t word);

// "0x" and four upper-case hexadecimal digits.
std::string HexWord(std::uint16_t word);

// The seven shared headings in row 0.
void WriteMemoryHeading(Grid& grid);

// Row `row` of the table shows `data`: only number, address and name, or every value column too.
void WriteMemoryIdentity(Grid& grid, int row, const TData& data);
void WriteMemoryRow(Grid& grid, int row, const TData& data);

}  // namespace q6
