// quendaris-dimmer: a simulated Quendaris 6.x dimmer on a pseudo-terminal.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "sim/dimmer.h"
#include "sim/eeprom_image.h"
#include "sim/options.h"
#include "sim/port_registration.h"
#include "sim/protocol_engine.h"
#include "sim/pty_endpoint.h"
#include "sim/serve.h"

namespace {

using namespace q6::sim;

// The write end of the pipe that wakes the serving loop on a stop signal.
int g_stopPipe = -1;

void OnStopSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(g_stopPipe, &byte, 1);
}

bool InstallStopSignals(int& readEnd) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  readEnd = fds[0];
  g_stopPipe = fds[1];
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  return sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}

// The dimmer's clock starts at the local time of this machine.
DeviceTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DeviceTime{std::chrono::seconds(now + local.tm_gmtoff)};
}

std::optional<EepromImage> InitialEeprom(const std::filesystem::path& file) {
  if (file.empty() || !std::filesystem::exists(file)) return DefaultEepromImage();
  return LoadEepromImage(file);
}

int Run(const Options& options) {
  const auto eeprom = InitialEeprom(options.eepromFile);
  if (!eeprom) {
    std::cerr << "quendaris-dimmer: cannot read the EEPROM image " << options.eepromFile << '\n';
    return EXIT_FAILURE;
  }
  std::string error;
  const auto pty = PtyEndpoint::Open(error);
  // Measured before the port is announced, while nothing else uses the terminal.
  const auto delivery =
      pty && options.wireBaud > 0 ? pty->typicalDeliveryTime() : std::chrono::nanoseconds{};
  const auto registration =
      pty ? PortRegistration::Register(options.setupDir, options.portName, pty->device(), error)
          : nullptr;
  int stopSignals = -1;
  if (!registration || !InstallStopSignals(stopSignals)) {
    std::cerr << "quendaris-dimmer: " << (error.empty() ? "cannot install signal handlers" : error)
              << '\n';
    return EXIT_FAILURE;
  }

  Dimmer dimmer(*eeprom, options.fault, LocalNow(), Clock::now());
  if (!options.eepromFile.empty()) {
    dimmer.onEepromTakenOver = [&](const EepromImage& image) {
      SaveEepromImage(options.eepromFile, image);
    };
  }
  ProtocolEngine engine(dimmer, options.fault);
  std::cout << "quendaris-dimmer: " << options.portName << " is " << pty->device() << " via "
            << registration->entry().string() << " (fault " << FaultName(options.fault) << ")";
  if (options.wireBaud > 0) {
    std::cout << ", line at " << options.wireBaud << " baud less the terminal's "
              << std::chrono::duration<double, std::micro>(delivery).count() << " us delivery";
  }
  std::cout << std::endl;
  Serve(pty->master(), stopSignals, engine,
        options.wireBaud > 0 ? std::optional<WireTiming>(std::in_place, options.wireBaud, delivery)
                             : std::nullopt);
  if (!options.eepromFile.empty() && !SaveEepromImage(options.eepromFile, dimmer.eeprom())) {
    std::cerr << "quendaris-dimmer: cannot write the EEPROM image " << options.eepromFile << '\n';
  }
  return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path defaultSetupDir =
      DefaultSetupDir(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  const ParsedOptions parsed =
      ParseOptions(std::vector<std::string>(argv + 1, argv + argc), defaultSetupDir);
  if (!parsed.options) {
    std::cerr << "quendaris-dimmer: " << parsed.error << "\nTry --help.\n";
    return 2;
  }
  if (parsed.options->help) {
    std::cout << HelpText(defaultSetupDir);
    return EXIT_SUCCESS;
  }
  return Run(*parsed.options);
}
