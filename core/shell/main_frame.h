#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The frame of the main window: menus, tabs, status bars, timers and the test tab.
struct MainFrame {
  explicit MainFrame(Form& form);

  // Menu "Dimmprofil"
  MenuItem& Mpconfig;
  MenuItem& MpDimmProfilLaden;
  MenuItem& MpDimmProfilSpeichern;
  MenuItem& MpGeraetedatenLaden;
  MenuItem& MpGeraetedatenSpeichern;
  // Menu "Optionen"
  MenuItem& option1;
  MenuItem& language1;
  MenuItem& german1;
  MenuItem& english1;
  MenuItem& Franzsich1;
  MenuItem& Schwe1;
  MenuItem& tuerk1;
  MenuItem& MenuePasswort1;
  MenuItem& Fehlerdateispeichern1;
  // Menu "Produktion"
  MenuItem& MpProduktion;
  MenuItem& Produktdatenladen1;
  MenuItem& Produktdatenspeichern1;
  // Menu "Info"
  MenuItem& Info1;
  MenuItem& about1;

  PageControl& PageControl1;
  TabPage& TsDimmprofil;
  TabPage& TsGeraeteeinstellungen;
  TabPage& TsKalibrierung;
  TabPage& TSFehlerspeicher;
  TabPage& TsRam;
  TabPage& TsEeprom;
  TabPage& TsEntwicklung;
  TabPage& TsExport;
  TabPage& TsTest;

  StatusBar& SbInfo;
  StatusBar& SbZustand;

  Timer& SPStimer;
  Timer& Helptimer;
  Timer& Timer_Datalog;

  Memo& MemoTest;
  Button& Button1;
};

}  // namespace q6
