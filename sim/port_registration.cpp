#include "sim/port_registration.h"

#include <system_error>
#include <utility>

namespace q6::sim {

namespace fs = std::filesystem;

std::unique_ptr<PortRegistration> PortRegistration::Register(const fs::path& setupDir,
                                                             const std::string& portName,
                                                             const std::string& device,
                                                             std::string& error) {
  const fs::path entry = setupDir / "ports" / portName;
  std::error_code code;
  fs::create_directories(entry.parent_path(), code);
  const auto status = fs::symlink_status(entry, code);
  if (fs::exists(status)) {
    // Left by a dimmer that ended without removing it: its device is gone, or is this one again
    // because the system handed out the freed terminal number anew.
    const bool stale = fs::is_symlink(status) &&
                       (!fs::exists(entry, code) || fs::read_symlink(entry, code) == device);
    if (!stale) {
      error = entry.string() + " already exists; another dimmer or device is registered there";
      return nullptr;
    }
    fs::remove(entry, code);
  }
  fs::create_symlink(device, entry, code);
  if (code) {
    error = "cannot create " + entry.string() + ": " + code.message();
    return nullptr;
  }
  return std::unique_ptr<PortRegistration>(new PortRegistration(entry, device));
}

PortRegistration::PortRegistration(fs::path entry, std::string device)
    : entry_(std::move(entry)), device_(std::move(device)) {}

PortRegistration::~PortRegistration() {
  std::error_code code;
  if (fs::is_symlink(fs::symlink_status(entry_, code)) &&
      fs::read_symlink(entry_, code) == device_) {
    fs::remove(entry_, code);
  }
}

}  // namespace q6::sim
