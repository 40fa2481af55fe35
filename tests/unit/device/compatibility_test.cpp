#include <gtest/gtest.h>

#include "device_fixture.h"

namespace q6 {
namespace {

using test::DeviceTest;

constexpr const char* kWrongVersion =
    "Diese Software unterstützt nur quendaris-Produkte der Version 6.x";

std::string ProtocolError(const char* comparison) {
  return std::string("Softwareversion Visualisierung <> Softwareversion Controller !\r\n(") +
         comparison + ")\r\nBitte Oberfläche updaten!";
}

class CompatibilityTest : public DeviceTest {
 protected:
  CompatibilityTest() { form.sio_started = true; }
  bool wentOffline() const { return !form.sio_started; }
};

TEST_F(CompatibilityTest, OnlyThisProductGenerationAndProtocolThreeBelowMinorTwoPass) {
  struct Case {
    std::uint16_t id;
    std::uint16_t majorMinor;
    bool passes;
    const char* message;
    std::string error;
  };
  for (const auto& c : {
           Case{0x0601, 0x0301, false, kWrongVersion, ""},
           Case{0x0000, 0x0301, false, kWrongVersion, ""},
           Case{0x0600, 0x0201, true, nullptr, ""},
           Case{0x0600, 0x0300, true, nullptr, ""},
           Case{0x0600, 0x0302, false, nullptr, ProtocolError("3.1.1.0 <> 3.2.0.0")},
           Case{0x0600, 0x0402, false, nullptr, ProtocolError("3.1.1.0 > 4.2.0.0")},
           Case{0x0600, 0x0100, false, nullptr, ProtocolError("3.1.1.0 > 1.0.0.0")},
       }) {
    form.GoOffline();
    form.sio_started = true;
    platform.messages.clear();
    platform.errors.clear();
    EXPECT_EQ(readEeprom({{0x0000, c.id}, {0x0002, c.majorMinor}}), c.passes) << c.majorMinor;
    EXPECT_EQ(form.Info.VersionsKenner, c.id);
    EXPECT_EQ(form.Info.VersionOld, c.id != 0x0600);
    EXPECT_EQ(wentOffline(), !c.passes);
    EXPECT_EQ(platform.messages,
              c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(platform.errors,
              c.error.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.error});
    if (!c.passes) {
      EXPECT_EQ(form.frame.SbZustand.panelText(0), "OFFLINE");
    }
  }
}

TEST_F(CompatibilityTest, ProtocolTwoCountsAsThreeButIsShownAsRead) {
  ASSERT_TRUE(readEeprom({{0x0000, 0x0600}, {0x0002, 0x0201}, {0x0004, 0x0000}}));
  EXPECT_EQ(form.Info.uCProtokollVersion, "2.1.0.0");
  EXPECT_EQ(form.Info.SoftwareProtokollVersion, "3.1.1.0");
  EXPECT_EQ(form.Info.uCMajorNr, 3);
  EXPECT_EQ(form.Info.uCMinorNr, 1);
  EXPECT_TRUE(form.Info.VersionsCheck);
}

TEST_F(CompatibilityTest, TheProtocolIsCheckedOncePerConnection) {
  ASSERT_TRUE(readEeprom({{0x0000, 0x0600}, {0x0002, 0x0301}}));
  EXPECT_TRUE(readEeprom({{0x0000, 0x0600}, {0x0002, 0x0402}}));
  EXPECT_EQ(form.Info.uCProtokollVersion, "4.2.0.0");
  EXPECT_TRUE(platform.errors.empty());
  EXPECT_FALSE(readEeprom({{0x0000, 0x0601}})) << "the identification word is always checked";

  form.GoOffline();
  EXPECT_FALSE(readEeprom({{0x0000, 0x0600}, {0x0002, 0x0402}}));
  EXPECT_EQ(platform.errors.size(), 1U);
}

TEST_F(CompatibilityTest, RefusedDimmerKeepsItsWordsInTheTableAndDecodesNothing) {
  EXPECT_FALSE(readEeprom({{0x0000, 0x0601}, {0x001C, 7}}));
  EXPECT_EQ(form.tables.StgEeprom.cell(3, 1), "1537");
  EXPECT_EQ(form.Info.GeraeteNr, 0);
}

TEST_F(CompatibilityTest, IdentityOfTheDimmer) {
  const std::map<std::uint16_t, std::uint16_t> words = {
      {0x0000, 0x0600}, {0x0002, 0x0301}, {0x0004, 0x0003}, {0x0006, 4711},   {0x001C, 7},
      {0x001E, 24},     {0x0100, 0x4241}, {0x0102, 0x4443}, {0x0104, 0x4645}, {0x0106, 0x4847},
      {0x0110, 0x5256}, {0x0112, 0x414B}, {0x0114, 0x3033}, {0x0116, 0x3030}, {0x0120, 0x3130},
      {0x0122, 0x302E}, {0x0124, 0x2E37}, {0x0126, 0x3032}, {0x0128, 0x3531}, {0x0130, 0x0041},
  };
  ASSERT_TRUE(readEeprom(words));
  EXPECT_EQ(form.Info.SoftwarePName, "ABCDEFGH24A-P003");
  EXPECT_EQ(form.Info.HardwareKennung, "ABCDEFGH24A-P003");
  EXPECT_EQ(form.Info.HardwareName, "VRKA3000");
  EXPECT_EQ(form.Info.SoftwarePDate, "01.07.2015");
  EXPECT_EQ(form.Info.SoftwareMaterialNummer, 4711);
  EXPECT_EQ(form.Info.GeraeteNr, 7);
  EXPECT_EQ(form.Info.HardwareInfo, 24);
  EXPECT_EQ(form.frame.SbInfo.panelText(0), "Version: ABCDEFGH24A-P003 VRKA3000");

  auto withoutBuild = words;
  withoutBuild[0x0004] = 0x0100;
  withoutBuild[0x0130] = 0x00E9;
  ASSERT_TRUE(readEeprom(withoutBuild));
  EXPECT_EQ(form.Info.SoftwarePName, "ABCDEFGH24é-P");
}

}  // namespace
}  // namespace q6
