#include "sim/pty_endpoint.h"

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace q6::sim {

std::unique_ptr<PtyEndpoint> PtyEndpoint::Open(std::string& error) {
  int master = -1;
  int slave = -1;
  std::array<char, 256> name{};
  termios raw{};
  cfmakeraw(&raw);
  cfsetspeed(&raw, B38400);
  if (openpty(&master, &slave, name.data(), &raw, nullptr) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return nullptr;
  }
  return std::unique_ptr<PtyEndpoint>(new PtyEndpoint(master, slave, name.data()));
}

PtyEndpoint::PtyEndpoint(int master, int slave, std::string device)
    : master_(master), slave_(slave), device_(std::move(device)) {}

PtyEndpoint::~PtyEndpoint() {
  ::close(slave_);
  ::close(master_);
}

}  // namespace q6::sim
