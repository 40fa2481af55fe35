#include "core/shell/main_frame.h"

namespace q6 {

MainFrame::MainFrame(Form& form)
    : Mpconfig(form.add<MenuItem>("Mpconfig", "Dimmprofil")),
      MpDimmProfilLaden(form.add<MenuItem>("MpDimmProfilLaden", "Dimmprofil laden")),
      MpDimmProfilSpeichern(form.add<MenuItem>("MpDimmProfilSpeichern", "Dimmprofil speichern")),
      MpGeraetedatenLaden(form.add<MenuItem>("MpGeraetedatenLaden", "Geräteeinstellungen laden")),
      MpGeraetedatenSpeichern(
          form.add<MenuItem>("MpGeraetedatenSpeichern", "Geräteeinstellungen speichern")),
      option1(form.add<MenuItem>("option1", "Optionen")),
      language1(form.add<MenuItem>("language1", "Sprache")),
      german1(form.add<MenuItem>("german1", "Deutsch")),
      english1(form.add<MenuItem>("english1", "Englisch")),
      Franzsich1(form.add<MenuItem>("Franzsich1", "Französisch")),
      Schwe1(form.add<MenuItem>("Schwe1", "Schwedisch")),
      tuerk1(form.add<MenuItem>("tuerk1", "Türkisch")),
      MenuePasswort1(form.add<MenuItem>("MenuePasswort1", "Passwort")),
      Fehlerdateispeichern1(form.add<MenuItem>("Fehlerdateispeichern1", "Fehlerdatei speichern")),
      MpProduktion(form.add<MenuItem>("MpProduktion", "Produktion")),
      Produktdatenladen1(form.add<MenuItem>("Produktdatenladen1", "Produktdaten laden")),
      Produktdatenspeichern1(
          form.add<MenuItem>("Produktdatenspeichern1", "Produktdaten speichern")),
      Info1(form.add<MenuItem>("Info1", "Info")),
      about1(form.add<MenuItem>("about1", "Über VRKA3000")),
      PageControl1(form.add<PageControl>("PageControl1")),
      TsDimmprofil(form.add<TabPage>("TsDimmprofil", "Dimmprofil")),
      TsGeraeteeinstellungen(form.add<TabPage>("TsGeraeteeinstellungen", "Geräteeinstellungen ")),
      TsKalibrierung(form.add<TabPage>("TsKalibrierung", "Kalibrierung")),
      TSFehlerspeicher(form.add<TabPage>("TSFehlerspeicher", "Fehlerspeicher")),
      TsRam(form.add<TabPage>("TsRam", "Ram")),
      TsEeprom(form.add<TabPage>("TsEeprom", "Eeprom")),
      TsEntwicklung(form.add<TabPage>("TsEntwicklung", "Entwicklung")),
      TsExport(form.add<TabPage>("TsExport", "Export")),
      TsTest(form.add<TabPage>("TsTest", "Test")),
      SbInfo(form.add<StatusBar>("SbInfo",
                                 std::vector<StatusBar::Panel>{{"Version: ", 300}, {"", 0}})),
      SbZustand(form.add<StatusBar>("SbZustand", std::vector<StatusBar::Panel>{{"ZUSTAND", 0}})),
      SPStimer(form.add<Timer>("SPStimer", 100, false)),
      Helptimer(form.add<Timer>("Helptimer", 500, true)),
      Timer_Datalog(form.add<Timer>("Timer_Datalog", 1000, false)),
      MemoTest(form.add<Memo>("MemoTest")),
      Button1(form.add<Button>("Button1", "Button1")) {
  Franzsich1.setVisible(false);
  Schwe1.setVisible(false);
  tuerk1.setVisible(false);
}

}  // namespace q6
