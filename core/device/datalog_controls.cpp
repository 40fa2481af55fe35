#include "core/device/datalog_controls.h"

#include "core/device/captioned.h"

namespace q6 {

DatalogControls::DatalogControls(Form& form)
    : GbDatenlogger(form.add<GroupBox>("GbDatenlogger", "Datenlogger")),
      cb_datenlog(form.add<CheckBox>("cb_datenlog", "Datenlog aktiv")),
      UpDown18(AddCaptioned<SpinField>(form, "LbAbtastzeit", "Abtastzeit [s]", "UpDown18", "Edit9",
                                       5, 1000, 5)),
      Lb_datalogpath(
          AddCaptioned<Edit>(form, "LbSpeicherdatei", "Speicherdatei (*.txt)", "Lb_datalogpath")),
      Bt_path_datalog(form.add<Button>("Bt_path_datalog", "...")) {}

}  // namespace q6
