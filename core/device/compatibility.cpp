#include "core/device/eeprom_map.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr std::uint16_t kProductGeneration = 0x0600;
// The protocol this program speaks: major, minor, micro, build.
constexpr std::uint16_t kProtocolMajor = 3;
constexpr std::uint16_t kFirstUnsupportedMinor = 2;
constexpr std::uint16_t kOlderCompatibleMajor = 2;
constexpr const char* kSoftwareProtocol = "3.1.1.0";

std::string Dotted(std::uint16_t major, std::uint16_t minor, std::uint16_t micro,
                   std::uint16_t build) {
  return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(micro) + "." +
         std::to_string(build);
}

}  // namespace

bool TForm1::CheckCompatibility() {
  Info.VersionsKenner = EepWord(EepRData, eep::Versionskennung);
  if (Info.VersionsKenner != kProductGeneration) {
    platform_.dialogs.ShowMessage(Msg.WrongVersion);
    Info.VersionOld = true;
    GoOffline();
    return false;
  }
  Info.VersionOld = false;
  const std::uint16_t majorMinor = EepWord(EepRData, eep::MajorMinorNr);
  const std::uint16_t microBuild = EepWord(EepRData, eep::MicroBuildNr);
  Info.uCMajorNr = majorMinor >> 8;
  Info.uCMinorNr = majorMinor & 0xFF;
  Info.uCMicroNr = microBuild >> 8;
  Info.uCBuildNr = microBuild & 0xFF;
  Info.uCProtokollVersion = Dotted(Info.uCMajorNr, Info.uCMinorNr, Info.uCMicroNr, Info.uCBuildNr);
  Info.SoftwareProtokollVersion = kSoftwareProtocol;
  if (Info.uCMajorNr == kOlderCompatibleMajor) Info.uCMajorNr = kProtocolMajor;

  // Once per connection: a later read trusts the identification word alone.
  if (Info.VersionsCheck) return true;
  Info.VersionsCheck = true;
  const char* sign = nullptr;
  if (Info.uCMajorNr != kProtocolMajor)
    sign = " > ";
  else if (Info.uCMinorNr >= kFirstUnsupportedMinor)
    sign = " <> ";
  if (!sign) return true;
  platform_.dialogs.ShowError(Msg.MsgProtokoll1 + "\r\n(" + Info.SoftwareProtokollVersion + sign +
                              Info.uCProtokollVersion + ")\r\n" + Msg.MsgProtokoll3);
  GoOffline();
  return false;
}

}  // namespace q6
