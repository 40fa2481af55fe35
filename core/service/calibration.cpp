#include "core/service/calibration.h"

namespace q6 {

std::optional<std::uint16_t> ScaledGain(std::int64_t old, std::int64_t numerator,
                                        std::int64_t denominator) {
  if (denominator == 0) return std::nullopt;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  const std::int64_t product = old * numerator;
  std::int64_t quotient = product / denominator;
  std::int64_t remainder = product % denominator;
  // Floor division, so the remainder compares the same way on both sides of zero.
  if (remainder < 0) {
    --quotient;
    remainder += denominator;
  }
  const std::int64_t twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  if (quotient < 0 || quotient > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(quotient);
}

}  // namespace q6
