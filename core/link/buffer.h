#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace q6 {

// Link buffers have indices 0..6144; the port queues and the zero fill at opening cover 6144 bytes.
inline constexpr std::size_t kBufferSize = 6145;
inline constexpr std::size_t kQueueSize = 6144;

using Buffer = std::array<std::uint8_t, kBufferSize>;

}  // namespace q6
