#include "core/sequencer/communication_controls.h"

#include <charconv>

namespace q6 {
namespace {

std::vector<std::string> ComPortNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= kComPortCount; ++n) names.push_back("COM" + std::to_string(n));
  return names;
}

}  // namespace

CommunicationControls::CommunicationControls(Form& form)
    : GbKommunikation(form.add<GroupBox>("GbKommunikation", "Kommunikation")),
      CbComPort(form.add<ComboBox>("CbComPort", ComPortNames(), 0)),
      BtComActivate(form.add<Button>("BtComActivate", "COM aktivieren")),
      uC_read_bt(form.add<Button>("uC_read_bt", "Daten lesen")),
      ProgressBar_RAM(form.add<ProgressBar>("ProgressBar_RAM")),
      uC_send_bt(form.add<Button>("uC_send_bt", "Daten schreiben")),
      ProgressBar_EEP(form.add<ProgressBar>("ProgressBar_EEP")) {
  uC_read_bt.setEnabled(false);
  uC_send_bt.setEnabled(false);
}

int ComPortItemIndex(const std::string& portName) {
  if (portName.size() <= 3) return 0;
  const char* first = portName.data() + 3;
  const char* last = portName.data() + portName.size();
  int number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc{} || end != last) return 0;
  // The port list has 32 entries; a saved number outside it falls back to the first port rather
  // than selecting nothing.
  if (number < 1 || number > kComPortCount) return 0;
  return number - 1;
}

}  // namespace q6
