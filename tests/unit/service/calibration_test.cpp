#include "core/service/calibration.h"

#include <gtest/gtest.h>

namespace q6 {
namespace {

TEST(ScaledGainTest, RoundsHalvesToEvenAndRefusesWhatNoWordHolds) {
  struct Case {
    std::int64_t old, numerator, denominator;
    std::optional<std::uint16_t> gain;
  };
  for (const auto& [old, numerator, denominator, gain] : {
           Case{1000, 2323, 2300, 1010},
           Case{1000, 2450, 2430, 1008},
           Case{1000, 3000, 2950, 1017},
           Case{5, 1, 2, 2},
           Case{7, 1, 2, 4},
           Case{3, 1, 2, 2},
           Case{0, 2300, 2300, 0},
           Case{65535, 1, 1, 65535},
           Case{65535, 2301, 2300, std::nullopt},
           Case{1000, 2450, 0, std::nullopt},
       }) {
    EXPECT_EQ(ScaledGain(old, numerator, denominator), gain)
        << old << "*" << numerator << "/" << denominator;
  }
}

}  // namespace
}  // namespace q6
