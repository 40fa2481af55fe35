#include "core/device/memory_table.h"
#include "core/device/ram_map.h"
#include "core/shell/form1.h"

namespace q6 {

void TForm1::FillRamTable() {
  Grid& table = tables.StgRamData;
  WriteMemoryHeading(table);
  for (int i = 0; i < kRamImageWords; ++i) {
    TData& entry = RamRData[static_cast<std::size_t>(i)];
    entry.nr = i;
    entry.adr = static_cast<std::uint16_t>(kRamImageFirst + 2 * i);
    entry.Name = RamWordName(i);
    WriteMemoryIdentity(table, i + 1, entry);
  }
}

void TForm1::StoreRamReply() {
  const Buffer& reply = link.RxBuffer;
  const auto start = static_cast<std::uint16_t>(reply[2] << 8 | reply[3]);
  for (int j = 0; j < kRamImageWords; ++j) {
    const auto low = static_cast<std::size_t>(4 + 2 * j);
    TData& entry = RamRData[static_cast<std::size_t>(j)];
    entry.nr = j;
    entry.adr = static_cast<std::uint16_t>(start + 2 * j);
    entry.Value = static_cast<std::uint16_t>(reply[low + 1] << 8 | reply[low]);
    WriteMemoryRow(tables.StgRamData, j + 1, entry);
  }
  ShowLiveStatus();
  if (datalog_request) {
    WriteDatalogLine();
    datalog_request = false;
  }
}

}  // namespace q6
