#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace q6::sim {

// Ways the simulated dimmer misbehaves, for tests and demonstrations.
enum class Fault {
  None,
  Silent,        // answers nothing
  LogOn,         // the tenth log-on byte in a row is answered wrongly
  Echo,          // the echo of the first record command byte is corrupted, once
  BlockSum,      // every RAM block carries a wrong sum byte
  OldHardware,   // the identification query is answered by an older hardware generation
  WrongId,       // the identification word reads 0x0601
  WrongProtocol  // the protocol version reads 4.2
};

std::optional<Fault> ParseFault(std::string_view name);
std::string_view FaultName(Fault fault);
// One line per fault, indented by `indent` blanks: its name and what it does.
std::string FaultHelp(std::size_t indent);

}  // namespace q6::sim
