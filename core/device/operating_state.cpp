#include "core/device/operating_state.h"

#include <array>
#include <utility>

namespace q6 {
namespace {

constexpr std::uint16_t kCoolDownStart = 5;
constexpr int kRowCoolDown = 200;
constexpr int kRowUnknown = 213;

// Regime code and the text row that names it; regime 0 is built apart.
constexpr std::array<std::pair<std::uint16_t, int>, 13> kRegimeRows = {{
    {1, 199},
    {10, 201},
    {20, 202},
    {21, 203},
    {22, 204},
    {23, 205},
    {30, 206},
    {40, 207},
    {90, 208},
    {91, 209},
    {92, 210},
    {93, 211},
    {94, 212},
}};

struct Suffix {
  bool inInfoBits;
  int bit;
  int row;
};
constexpr std::array<Suffix, 5> kSuffixes = {{
    {false, 6, 214},
    {false, 7, 215},
    {false, 8, 216},
    {true, 8, 217},
    {true, 9, 218},
}};

}  // namespace

std::string OperatingStateText(std::uint16_t regime, std::uint16_t regimeStart,
                               std::uint16_t anzeigeBits, std::uint16_t infoBits,
                               const std::function<std::string(int)>& text) {
  std::string state;
  if (regime == 0) {
    state = "START";
    if (regimeStart == kCoolDownStart) state += text(kRowCoolDown);
  } else {
    int row = kRowUnknown;
    for (const auto& [code, named] : kRegimeRows)
      if (code == regime) row = named;
    state = text(row);
  }
  for (const auto& [inInfoBits, bit, row] : kSuffixes) {
    const std::uint16_t word = inInfoBits ? infoBits : anzeigeBits;
    if ((word >> bit) & 1U) state += text(row);
  }
  return state;
}

}  // namespace q6
