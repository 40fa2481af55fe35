#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"
#include "core/widgets/grid.h"

namespace q6 {

// The tab "Fehlerspeicher" with its table and buttons, and the export staging grid of the tab
// "Export".
struct ErrorMemoryControls {
  explicit ErrorMemoryControls(Form& form);

  Grid& StgFehlerspeicher;
  Button& err_mem_read_bt;
  Button& err_mem_clear_bt;
  Grid& stgExport;
  // Gives the dimmer time to erase its ring before polling resumes, without freezing the window.
  Timer& ErrMemClearTimer;
};

}  // namespace q6
