#pragma once

#include <optional>

#include "sim/protocol_engine.h"
#include "sim/wire_timing.h"

namespace q6::sim {

// Answers the bytes arriving on `fd` until `stopFd` becomes readable or `fd` fails. With `wire`
// each answer is held back until it would have crossed a real line.
void Serve(int fd, int stopFd, ProtocolEngine& engine, std::optional<WireTiming> wire);

}  // namespace q6::sim
