#include "core/device/error_memory_controls.h"

namespace q6 {
namespace {
constexpr int kErrorRows = 65;
constexpr int kExportRows = 70;
constexpr int kClearWaitMs = 1500;
}  // namespace

ErrorMemoryControls::ErrorMemoryControls(Form& form)
    : StgFehlerspeicher(form.add<Grid>("StgFehlerspeicher", kErrorRows, 3, 1, 1)),
      err_mem_read_bt(form.add<Button>("err_mem_read_bt", "Speicher lesen")),
      err_mem_clear_bt(form.add<Button>("err_mem_clear_bt", "Speicher löschen")),
      stgExport(form.add<Grid>("stgExport", kExportRows, 5, 1, 1)),
      ErrMemClearTimer(form.add<Timer>("ErrMemClearTimer", kClearWaitMs, false)) {}

}  // namespace q6
