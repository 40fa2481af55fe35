#include "core/shell/form1.h"

namespace q6 {

TForm1::TForm1(PlatformServices& platform, TInfofenst& infofenst)
    : Form("Form1", "quenDARIS6", 878, 587),
      frame(*this),
      comm(*this),
      platform_(platform),
      infofenst_(infofenst) {
  frame.about1.OnClick.attach([this] { about1Click(); });
  frame.Button1.OnClick.attach([this] { Button1Click(); });
  frame.german1.OnClick.attach([this] { german1Click(); });
  frame.english1.OnClick.attach([this] { english1Click(); });
  frame.Schwe1.OnClick.attach([this] { Schwe1Click(); });
  frame.Franzsich1.OnClick.attach([this] { Franzsich1Click(); });
  frame.tuerk1.OnClick.attach([this] { tuerk1Click(); });
}

}  // namespace q6
