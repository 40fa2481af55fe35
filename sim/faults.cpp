#include "sim/faults.h"

#include <array>

namespace q6::sim {
namespace {

struct FaultInfo {
  Fault fault;
  std::string_view name;
  std::string_view help;
};

constexpr std::array kFaults = {
    FaultInfo{Fault::None, "none", "behave as a healthy dimmer (default)"},
    FaultInfo{Fault::Silent, "silent", "answer nothing at all"},
    FaultInfo{Fault::LogOn, "logon", "answer the tenth log-on byte with 0x55 instead of 0xAA"},
    FaultInfo{Fault::Echo, "echo", "corrupt the echo of the first record command byte, once"},
    FaultInfo{Fault::BlockSum, "block-sum", "send every RAM block with a wrong sum byte"},
    FaultInfo{Fault::OldHardware, "old-hardware",
              "answer the identification query 0x63 0x05 with 0x63 0x05"},
    FaultInfo{Fault::WrongId, "wrong-id", "report the identification word 0x0601"},
    FaultInfo{Fault::WrongProtocol, "wrong-protocol", "report the protocol version 4.2"},
};

}  // namespace

std::optional<Fault> ParseFault(std::string_view name) {
  for (const auto& info : kFaults) {
    if (info.name == name) return info.fault;
  }
  return std::nullopt;
}

std::string_view FaultName(Fault fault) {
  for (const auto& info : kFaults) {
    if (info.fault == fault) return info.name;
  }
  return {};
}

std::string FaultHelp(std::size_t indent) {
  std::string text;
  for (const auto& info : kFaults) {
    text.append(indent, ' ');
    text += info.name;
    text.append(16 - info.name.size(), ' ');
    text += info.help;
    text += '\n';
  }
  return text;
}

}  // namespace q6::sim
