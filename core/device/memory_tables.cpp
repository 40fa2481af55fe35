#include "core/device/memory_tables.h"

#include "core/device/memory_image.h"

namespace q6 {

MemoryTables::MemoryTables(Form& form)
    : StgRamData(form.add<Grid>("StgRamData", 1 + kRamImageWords, 7, 1, 1)),
      StgEeprom(form.add<Grid>("StgEeprom", 1 + kEepImageReadWords, 8, 1, 1)) {}

}  // namespace q6
