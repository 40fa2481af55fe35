#pragma once

#include "core/widgets/form.h"
#include "core/widgets/grid.h"

namespace q6 {

// The raw tables of the tabs "Ram" and "Eeprom".
struct MemoryTables {
  explicit MemoryTables(Form& form);

  Grid& StgRamData;
  Grid& StgEeprom;
};

}  // namespace q6
