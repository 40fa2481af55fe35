#include "core/shell/scaling.h"

namespace q6 {

int ScaleToDensity(int value, int pixelsPerInch) {
  const long long product = static_cast<long long>(value) * pixelsPerInch;
  long long quotient = product / kDesignPixelsPerInch;
  const long long twiceRemainder = 2 * (product % kDesignPixelsPerInch);
  if (twiceRemainder > kDesignPixelsPerInch ||
      (twiceRemainder == kDesignPixelsPerInch && quotient % 2 != 0))
    ++quotient;
  return static_cast<int>(quotient);
}

}  // namespace q6
