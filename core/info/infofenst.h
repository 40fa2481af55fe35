#pragma once

#include "core/device/device_info.h"
#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The information window: this program's version, the connected dimmer's identity and the
// maker's contact block.
class TInfofenst : public Form {
 public:
  TInfofenst();

  // Takes the values at the moment of showing, so a device read while the window was closed
  // shows at the next opening.
  void FillValues(const TGeraeteInfo& info);

  GroupBox& GroupBox1;
  Label& Label7;
  Label& LbSoftwareVName;
  Label& LbSoftwareVDate;
  Label& Label11;
  Label& LbHardwarekennung;
  Label& LbSoftwarePDate;
  Label& LbInfoGeraetenr;
  Label& LbGeraetenr;
  GroupBox& GroupBox2;
  Label& Label2;
  Label& Label1;
  Label& Label3;
  Label& Label4;
  Label& Label8;
  Label& Label5;
  Label& Label9;
  Label& Label6;
};

// A device number as shown: at least five digits with leading zeros.
std::string FormatDeviceNumber(unsigned number);

}  // namespace q6
