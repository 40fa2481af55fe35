#pragma once

#include <cstdint>

namespace q6 {

// The dimmer's calibration words as last read; the 32-bit fields only widen 16-bit words.
struct TKalData {
  std::int32_t fGainUac = 0;
  std::int32_t fOffsetUac = 0;
  std::int32_t fGainIz = 0;
  std::int32_t fOffsetIz = 0;
  std::int32_t fGainUz = 0;
  std::int32_t fOffsetUz = 0;
  std::uint16_t fGainPdc = 0;
};

}  // namespace q6
