#include "sim/options.h"

#include <charconv>
#include <cstddef>

namespace q6::sim {
namespace {

bool IsComPort(const std::string& name) {
  int number = 0;
  const char* last = name.data() + name.size();
  if (name.size() < 4 || name.compare(0, 3, "COM") != 0) return false;
  const auto [end, error] = std::from_chars(name.data() + 3, last, number);
  return error == std::errc{} && end == last && number >= 1 && number <= 32;
}

std::optional<int> ParseBaud(const std::string& text) {
  int baud = 0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, baud);
  if (error != std::errc{} || end != last || baud < 300 || baud > 4000000) return std::nullopt;
  return baud;
}

}  // namespace

std::filesystem::path DefaultSetupDir(const char* xdgConfigHome, const char* home) {
  std::filesystem::path config;
  if (xdgConfigHome != nullptr && *xdgConfigHome != '\0') {
    config = xdgConfigHome;
  } else {
    config = std::filesystem::path(home != nullptr ? home : "") / ".config";
  }
  return config / "Tessaro GmbH" / "quenDARIS 6.1";
}

ParsedOptions ParseOptions(const std::vector<std::string>& args,
                           const std::filesystem::path& defaultSetupDir) {
  Options options;
  options.setupDir = defaultSetupDir;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--help" || option == "-h") {
      options.help = true;
      continue;
    }
    if (i + 1 == args.size()) return {std::nullopt, "missing value after " + option};
    const std::string& value = args[++i];
    if (option == "--com") {
      if (!IsComPort(value)) return {std::nullopt, "--com takes COM1 .. COM32, not " + value};
      options.portName = value;
    } else if (option == "--fault") {
      const auto fault = ParseFault(value);
      if (!fault) return {std::nullopt, "unknown fault " + value};
      options.fault = *fault;
    } else if (option == "--wire-baud") {
      const auto baud = ParseBaud(value);
      if (!baud) return {std::nullopt, "--wire-baud takes a baud rate, not " + value};
      options.wireBaud = *baud;
    } else if (option == "--eeprom") {
      options.eepromFile = value;
    } else if (option == "--setup-dir") {
      options.setupDir = value;
    } else {
      return {std::nullopt, "unknown option " + option};
    }
  }
  return {options, {}};
}

std::string HelpText(const std::filesystem::path& defaultSetupDir) {
  return "Usage: quendaris-dimmer [--com COMn] [--fault NAME] [--wire-baud BAUD]\n"
         "                        [--eeprom FILE] [--setup-dir DIR]\n"
         "\n"
         "Simulates a Quendaris 6.x dimmer on a pseudo-terminal and registers it as a COM port,\n"
         "so that quendaris6 opens it like any other port. Serves until SIGINT or SIGTERM, then\n"
         "removes the registration.\n"
         "\n"
         "  --com COMn        port name to register, COM1 .. COM32 (default COM1); the link is\n"
         "                    DIR/ports/COMn\n"
         "  --fault NAME      misbehave in one way (default none):\n" +
         FaultHelp(20) +
         "  --wire-baud BAUD  hold every answer back as long as a real line at BAUD would take,\n"
         "                    10 bits per byte each way (default: answer at once)\n"
         "  --eeprom FILE     EEPROM image, one \"0x<address> 0x<value>\" per line; read at start\n"
         "                    when it exists (else the default image of a 3000 W dimmer), written\n"
         "                    back whenever the dimmer takes over new EEPROM words and at the end\n"
         "  --setup-dir DIR   the program's settings folder (default " +
         defaultSetupDir.string() +
         ")\n"
         "  --help            show this text\n";
}

}  // namespace q6::sim
