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
  // The last identification word read was not the one of this product generation.
  bool VersionOld = false;
  std::uint16_t VersionsKenner = 0;
  std::uint16_t HardwareInfo = 0;
  // The dimmer's protocol version; a major number 2 is kept as 3 after the check.
  std::uint16_t uCMajorNr = 0;
  std::uint16_t uCMinorNr = 0;
  std::uint16_t uCMicroNr = 0;
  std::uint16_t uCBuildNr = 0;
  std::string uCProtokollVersion;
  // The protocol version this program speaks.
  std::string SoftwareProtokollVersion;
  std::string HardwareName;
  std::uint16_t SoftwareMaterialNummer = 0;
  // The protocol version has been checked in this connection.
  bool VersionsCheck = false;
};

inline constexpr const char* kSoftwareVersionName = "quenDARIS 6.1";
inline constexpr const char* kSoftwareVersionDate = "20.07.2015";

}  // namespace q6
