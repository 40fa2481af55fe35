#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace q6::sim {

// A pseudo-terminal in raw mode: the dimmer serves its master side, the program opens the slave
// device like a serial port. The slave stays open here as well, so the master keeps working
// while no program is connected.
class PtyEndpoint {
 public:
  // Empty on failure, with the reason in `error`.
  static std::unique_ptr<PtyEndpoint> Open(std::string& error);
  ~PtyEndpoint();

  PtyEndpoint(const PtyEndpoint&) = delete;
  PtyEndpoint& operator=(const PtyEndpoint&) = delete;

  int master() const { return master_; }
  // The median time, over a number of tries, that a byte written on the program's side takes to
  // become readable on the dimmer's; zero when it cannot be measured. Only while nobody else uses
  // the terminal.
  std::chrono::nanoseconds typicalDeliveryTime() const;
  const std::string& device() const { return device_; }

 private:
  PtyEndpoint(int master, int slave, std::string device);

  int master_;
  int slave_;
  std::string device_;
};

}  // namespace q6::sim
