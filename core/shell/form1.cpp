#include "core/shell/form1.h"

namespace q6 {

TForm1::TForm1(PlatformServices& platform, TInfofenst& infofenst)
    : Form("Form1", "quenDARIS6", 878, 587),
      frame(*this),
      comm(*this),
      live(*this),
      develop(*this),
      measure(*this),
      modes(*this),
      tables(*this),
      config(*this),
      errmem(*this),
      datalog(*this),
      pcClock(*this),
      platform_(platform),
      infofenst_(infofenst) {
  frame.about1.OnClick.attach([this] { about1Click(); });
  frame.Button1.OnClick.attach([this] { Button1Click(); });
  frame.german1.OnClick.attach([this] { german1Click(); });
  frame.english1.OnClick.attach([this] { english1Click(); });
  frame.Schwe1.OnClick.attach([this] { Schwe1Click(); });
  frame.Franzsich1.OnClick.attach([this] { Franzsich1Click(); });
  frame.tuerk1.OnClick.attach([this] { tuerk1Click(); });
  frame.SPStimer.OnTimer.attach([this] { SPStimerTimer(); });
  comm.BtComActivate.OnClick.attach([this] { BtComActivateClick(); });
  comm.CbComPort.OnChange.attach([this] { CbComPortChange(); });
  comm.uC_read_bt.OnClick.attach([this] { uC_read_btClick(); });
  comm.uC_send_bt.OnClick.attach([this] { uC_send_btClick(); });
  frame.MenuePasswort1.OnClick.attach([this] { MenuePasswort1Click(); });
  AttachConfigHandlers();
  errmem.err_mem_read_bt.OnClick.attach([this] { err_mem_read_btClick(); });
  errmem.err_mem_clear_bt.OnClick.attach([this] { err_mem_clear_btClick(); });
  errmem.ErrMemClearTimer.OnTimer.attach([this] { ErrMemClearTimerTimer(); });
  frame.Fehlerdateispeichern1.OnClick.attach([this] { ExportErrorList(); });
  frame.Helptimer.OnTimer.attach([this] { HelptimerTimer(); });
  pcClock.clk_bt.OnClick.attach([this] { clk_btClick(); });
  modes.BtNormalMode.OnClick.attach([this] { BtNormalModeClick(); });
  modes.BtResetZustand.OnClick.attach([this] { BtResetZustandClick(); });
  modes.BtKalibrierzustand.OnClick.attach([this] { BtKalibrierzustandClick(); });
  modes.BtManuellMode.OnClick.attach([this] { BtManuellModeClick(); });
  modes.BtManuellSend.OnClick.attach([this] { BtManuellSendClick(); });
  modes.UdFreqManuell.OnChange.attach([this] { CheckValues(modes.UdFreqManuell); });
  modes.BtWrKalUac.OnClick.attach([this] { BtWrKalUacClick(); });
  modes.BtWrKalUz.OnClick.attach([this] { BtWrKalUzClick(); });
  modes.BtWrKalPdc.OnClick.attach([this] { BtWrKalPdcClick(); });
  modes.UdKalUac.OnChange.attach(
      [this] { ShowCalibrationReference(modes.UdKalUac, modes.EdKalUac); });
  modes.UdKalUz.OnChange.attach([this] { ShowCalibrationReference(modes.UdKalUz, modes.EdKalUz); });
  frame.MpDimmProfilLaden.OnClick.attach([this] { MpDimmProfilLadenClick(); });
  frame.MpDimmProfilSpeichern.OnClick.attach([this] { MpDimmProfilSpeichernClick(); });
  frame.MpGeraetedatenLaden.OnClick.attach([this] { MpGeraetedatenLadenClick(); });
  frame.MpGeraetedatenSpeichern.OnClick.attach([this] { MpGeraetedatenSpeichernClick(); });
  frame.Produktdatenladen1.OnClick.attach([this] { Produktdatenladen1Click(); });
  frame.Produktdatenspeichern1.OnClick.attach([this] { Produktdatenspeichern1Click(); });
  AttachDatalogHandlers();
}

}  // namespace q6
