#include <filesystem>

#include "core/files/file_path.h"
#include "core/shell/folders.h"
#include "core/shell/form1.h"
#include "core/shell/scaling.h"

namespace q6 {

void TForm1::FormCreate() {
  ScaleToPixelDensity();
  fs = TFormatSettings{};

  InitAccessLevel();

  const Folders folders = BuildFolders(platform_.folders);
  PathMyDocs = folders.PathMyDocs;
  PathSetup = folders.PathSetup;
  PathConfig = folders.PathConfig;
  PathDeviceSettings = folders.PathDeviceSettings;

  std::error_code ec;
  std::filesystem::create_directories(FilePath(PathSetup), ec);
  if (ec) ReportSettingsFailure(SettingsStep::Save, PathSetup + ": " + ec.message());

  auto loaded = LoadIniFile(FilePath(SettingsFilePath(PathSetup)));
  if (!loaded.error.empty()) ReportSettingsFailure(SettingsStep::Read, loaded.error);
  // A damaged file is replaced by the defaults, as a missing one is.
  if (!loaded.exists || loaded.binary) {
    loaded.ini = DefaultSettings();
    // Without a writable folder the program still runs with the defaults it would have written.
    if (const auto failure = SaveIniFile(FilePath(SettingsFilePath(PathSetup)), loaded.ini))
      ReportSettingsFailure(SettingsStep::Save, *failure);
  }
  LoadSettings(loaded.ini);
  datalog.Lb_datalogpath.setText(PathDatalog);

  link.PortName = ComPort;
  comm.CbComPort.setItemIndex(ComPortItemIndex(ComPort));
  ResetOfflineView();
  FillRamTable();
  FillEepTable();
  InitErrorGrid();
}

void TForm1::FormShow() { setFocus(comm.BtComActivate.name()); }

bool TForm1::FormCloseQuery() {
  frame.SPStimer.setEnabled(false);
  SaveSettings();
  ClosePortAndGoOffline();
  return true;
}

void TForm1::ScaleToPixelDensity() {
  const ScreenMetrics& screen = platform_.screen;
  const int ppi = screen.windowPixelsPerInch();
  const PixelSize work = screen.workArea();
  const PixelSize panel = screen.controlSize("Panel1");
  Memo& memo = frame.MemoTest;
  memo.add("PixelperInch: " + std::to_string(ppi));
  memo.add("FormWidth: " + std::to_string(width()));
  memo.add("FormHeigth: " + std::to_string(height()));
  memo.add("WorkHeigth: " + std::to_string(work.height));
  memo.add("WorkWidth: " + std::to_string(work.width));
  memo.add("ScreenPixelPerInch: " + std::to_string(screen.screenPixelsPerInch()));
  memo.add("Panel1 Size: " + std::to_string(panel.height) + " x " + std::to_string(panel.width));
  setSize(ScaleToDensity(width(), ppi), ScaleToDensity(height(), ppi));
  memo.add("FormWidthScale: " + std::to_string(width()));
  memo.add("FormHeigthScale: " + std::to_string(height()));
}

void TForm1::about1Click() {
  infofenst_.FillValues(Info);
  platform_.dialogs.ShowModal(infofenst_);
}

void TForm1::Button1Click() {
  const PixelSize pages = platform_.screen.controlSize(frame.PageControl1.name());
  const PixelSize work = platform_.screen.workArea();
  Memo& memo = frame.MemoTest;
  memo.add("Breite PageControl1: " + std::to_string(pages.width));
  memo.add("Hoehe PageControl1: " + std::to_string(pages.height));
  memo.add("Breite Work: " + std::to_string(work.width));
  memo.add("Höhe Work: " + std::to_string(work.height));
  memo.add("Breite Form: " + std::to_string(width()));
  memo.add("Höhe Form: " + std::to_string(height()));
}

}  // namespace q6
