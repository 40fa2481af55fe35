#include "core/device/measurement_controls.h"

#include "core/device/captioned.h"

namespace q6 {

MeasurementControls::MeasurementControls(Form& form)
    : GBMesswerte(form.add<GroupBox>("GBMesswerte", "Messwerte")),
      EdUAcSollSps(AddReadout(form, "EdUAcSollSps", "LbUAcSollSps", "UAcSollSps [V]")),
      EdUac(AddReadout(form, "EdUac", "LbUAcIst", "UAcIst [V]")),
      EdFreqSoll(AddReadout(form, "EdFreqSoll", "Label39", "FreqSollSps [Hz]")),
      EdFreqIst(AddReadout(form, "EdFreqIst", "Label3", "FreqIst [Hz]")),
      EdKkTemp1(AddReadout(form, "EdKkTemp1", "Label6", "KK_Temp1 [°C]")),
      EdKkTemp2(AddReadout(form, "EdKkTemp2", "Label15", "KK_Temp2 [°C]")),
      EdPDc(AddReadout(form, "EdPDc", "LbPDc", "P-Wert")),
      EdIdc(AddReadout(form, "EdIdc", "LbIdc", "I Dc [A]")),
      EdUz(AddReadout(form, "EdUz", "LbUz", "Uz [V]")) {}

}  // namespace q6
