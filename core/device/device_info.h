#pragma once

#include <cstdint>
#include <string>

namespace q6 {

// Identity of this program and of the connected dimmer.
struct TGeraeteInfo {
  std::string SoftwareVName;
  std::string SoftwareVDate;
  std::string HardwareKennung;
  std::string SoftwarePName;
  std::string SoftwarePDate;
  std::uint16_t GeraeteNr = 0;
};

inline constexpr const char* kSoftwareVersionName = "quenDARIS 6.1";
inline constexpr const char* kSoftwareVersionDate = "20.07.2015";

}  // namespace q6
