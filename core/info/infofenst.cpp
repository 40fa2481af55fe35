#include "core/info/infofenst.h"

#include <cstdio>

namespace q6 {

TInfofenst::TInfofenst()
    : Form("Infofenst", "Information", 420, 300),
      GroupBox1(add<GroupBox>("GroupBox1", "Versionsinformation")),
      Label7(add<Label>("Label7", "SW-V Version: ")),
      LbSoftwareVName(add<Label>("LbSoftwareVName")),
      LbSoftwareVDate(add<Label>("LbSoftwareVDate")),
      Label11(add<Label>("Label11", "HW-Kennung: ")),
      LbHardwarekennung(add<Label>("LbHardwarekennung")),
      LbSoftwarePDate(add<Label>("LbSoftwarePDate")),
      LbInfoGeraetenr(add<Label>("LbInfoGeraetenr", "Gerätenummer: ")),
      LbGeraetenr(add<Label>("LbGeraetenr", "-----")),
      GroupBox2(add<GroupBox>("GroupBox2", "Kontakt")),
      Label2(add<Label>("Label2", "Tessaro GmbH")),
      Label1(add<Label>("Label1")),
      Label3(add<Label>("Label3")),
      Label4(add<Label>("Label4", "Tel:")),
      Label8(add<Label>("Label8")),
      Label5(add<Label>("Label5", "Fax:")),
      Label9(add<Label>("Label9")),
      Label6(add<Label>("Label6")) {
  LbSoftwareVDate.setVisible(false);
  LbSoftwarePDate.setVisible(false);
  setVisible(false);
}

void TInfofenst::FillValues(const TGeraeteInfo& info) {
  LbSoftwareVName.setCaption(info.SoftwareVName);
  LbSoftwareVDate.setCaption(info.SoftwareVDate);
  LbHardwarekennung.setCaption(info.HardwareKennung);
  LbSoftwarePDate.setCaption(info.SoftwarePDate);
  LbGeraetenr.setCaption(FormatDeviceNumber(info.GeraeteNr));
}

std::string FormatDeviceNumber(unsigned number) {
  char text[16];
  std::snprintf(text, sizeof text, "%.5u", number);
  return text;
}

}  // namespace q6
