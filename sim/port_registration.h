#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace q6::sim {

// The entry `<setupDir>/ports/<portName>` that makes the program open `device` for that port.
class PortRegistration {
 public:
  // Links the entry to `device`; an entry left behind by a dimmer that is gone is replaced, any
  // other entry is kept and the registration fails with the reason in `error`.
  static std::unique_ptr<PortRegistration> Register(const std::filesystem::path& setupDir,
                                                    const std::string& portName,
                                                    const std::string& device, std::string& error);
  // Removes the entry while it still leads to this dimmer.
  ~PortRegistration();

  PortRegistration(const PortRegistration&) = delete;
  PortRegistration& operator=(const PortRegistration&) = delete;

  const std::filesystem::path& entry() const { return entry_; }

 private:
  PortRegistration(std::filesystem::path entry, std::string device);

  std::filesystem::path entry_;
  std::string device_;
};

}  // namespace q6::sim
