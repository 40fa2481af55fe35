#pragma once

#include <string>

namespace q6::bench {

// Prints one row of the benchmark table on stdout: the figure, what was measured, its limit and
// the ratio of the two (at most 1 is within the limit). Everything else a benchmark says goes to
// stderr, so the rows of all benchmarks join into one table.
void PrintFigure(const std::string& figure, double measured, double limit, const std::string& unit,
                 int decimals = 1);

}  // namespace q6::bench
