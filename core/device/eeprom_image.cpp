#include "core/device/eeprom_map.h"
#include "core/device/memory_table.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr int kColWrite = kColBin + 1;

}  // namespace

void TForm1::FillEepTable() {
  Grid& table = tables.StgEeprom;
  WriteMemoryHeading(table);
  table.setCell(kColWrite, 0, "Value u16 Write");
  for (int i = 0; i < kEepImageReadWords; ++i) {
    TData& entry = EepRData[static_cast<std::size_t>(i)];
    entry.Name = EepWordName(i);
    // The number and address come from the row until a read fills them.
    WriteMemoryIdentity(
        table, i + 1, TData{.nr = i, .Name = entry.Name, .adr = static_cast<std::uint16_t>(2 * i)});
  }
}

void TForm1::StoreEepReply() {
  const Buffer& reply = link.RxBuffer;
  for (int i = 0; i < kEepImageReadWords; ++i) {
    const auto record = static_cast<std::size_t>(5 * i);
    TData& entry = EepRData[static_cast<std::size_t>(i)];
    entry.nr = i;
    entry.adr = static_cast<std::uint16_t>(reply[record + 1] << 8 | reply[record + 2]);
    entry.Value = static_cast<std::uint16_t>(reply[record + 4] << 8 | reply[record + 3]);
    WriteMemoryRow(tables.StgEeprom, i + 1, entry);
  }
}

void TForm1::ShowEepWriteImage() {
  for (int i = 0; i < kEepImageReadWords; ++i)
    tables.StgEeprom.setCell(kColWrite, i + 1,
                             std::to_string(EepWData[static_cast<std::size_t>(i)].Value));
}

}  // namespace q6
