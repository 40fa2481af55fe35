#pragma once

namespace q6 {

inline constexpr int kDesignPixelsPerInch = 96;

// value · ppi / 96, rounded to the nearest whole number with an exact half going to the even
// neighbour.
int ScaleToDensity(int value, int pixelsPerInch);

}  // namespace q6
