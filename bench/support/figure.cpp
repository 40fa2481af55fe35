#include "bench/support/figure.h"

#include <cstdio>

namespace q6::bench {

void PrintFigure(const std::string& figure, double measured, double limit, const std::string& unit,
                 int decimals) {
  std::printf("| %s | %.*f %s | %.*f %s | %.3f |\n", figure.c_str(), decimals, measured,
              unit.c_str(), decimals, limit, unit.c_str(), measured / limit);
  std::fflush(stdout);
}

}  // namespace q6::bench
