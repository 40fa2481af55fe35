#pragma once

namespace q6::bench {

// Resident memory of this process in bytes.
long ResidentBytes();
// Processor time of this process, every thread, in seconds.
double ProcessCpuSeconds();

}  // namespace q6::bench
