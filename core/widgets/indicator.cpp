#include <string>

#include "core/widgets/controls.h"

namespace q6 {

std::string Indicator::stateText() const {
  const Rgb fill = color();
  if (fill == colors::kLitGreen) return "on (green)";
  if (fill == colors::kLitYellow) return "on (yellow)";
  if (fill == colors::kLitRed) return "on (red)";
  if (fill == colors::kUnlit) return "off";
  // Painted neutral while no live state is known: offline, or connected before the first reply.
  if (fill == colors::kPanel || fill == colors::kInactiveCaption) return "no data";
  return "colour " + std::to_string(fill.r) + ", " + std::to_string(fill.g) + ", " +
         std::to_string(fill.b);
}

}  // namespace q6
