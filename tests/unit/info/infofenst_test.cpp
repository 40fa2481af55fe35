#include <gtest/gtest.h>

#include "core/shell/application.h"
#include "support/fake_platform.h"

namespace q6 {
namespace {

class InfoWindowTest : public ::testing::Test {
 protected:
  InfoWindowTest() : services(platform.services()), app(services), form(app.form1()) {
    app.Start();
  }
  test::FakePlatform platform;
  PlatformServices services;
  Application app;
  TForm1& form;
};

TEST_F(InfoWindowTest, BeforeAnyReadShowsThisProgramAndNoDevice) {
  form.frame.about1.click();
  EXPECT_EQ(platform.modalWindows, std::vector<std::string>{"Infofenst"});
  const auto& info = app.infofenst();
  EXPECT_EQ(info.LbSoftwareVName.caption(), "quenDARIS 6.1");
  EXPECT_EQ(info.LbSoftwareVDate.caption(), "20.07.2015");
  EXPECT_EQ(info.LbHardwarekennung.caption(), "");
  EXPECT_EQ(info.LbGeraetenr.caption(), "00000");
}

TEST_F(InfoWindowTest, ValuesAreTakenAtTheMomentOfShowing) {
  struct Case {
    std::uint16_t number;
    const char* shown;
  };
  for (const auto& [number, shown] : {Case{42, "00042"}, Case{65535, "65535"}, Case{7, "00007"}}) {
    form.Info.GeraeteNr = number;
    form.Info.HardwareKennung = "VRKA 6.1";
    EXPECT_NE(app.infofenst().LbGeraetenr.caption(), shown);
    form.about1Click();
    EXPECT_EQ(app.infofenst().LbGeraetenr.caption(), shown);
    EXPECT_EQ(app.infofenst().LbHardwarekennung.caption(), "VRKA 6.1");
  }
}

TEST_F(InfoWindowTest, GermanLabelsAfterALanguageIsApplied) {
  const auto& info = app.infofenst();
  EXPECT_EQ(info.Label7.caption(), "SW-Version:");
  EXPECT_EQ(info.Label11.caption(), "HW-Version:");
  EXPECT_EQ(info.LbInfoGeraetenr.caption(), "Gerätenummer: ");
  EXPECT_EQ(info.Label2.caption(), "Tessaro GmbH");
}

TEST_F(InfoWindowTest, TestButtonAppendsSixLinesEachPress) {
  platform.sizes["PageControl1"] = {860, 420};
  form.frame.MemoTest.clear();
  form.frame.Button1.click();
  form.frame.Button1.click();
  const auto& lines = form.frame.MemoTest.lines();
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
            (std::vector<std::string>{"Breite PageControl1: 860", "Hoehe PageControl1: 420",
                                      "Breite Work: 1920", "Höhe Work: 1040", "Breite Form: 878",
                                      "Höhe Form: 587"}));
}

}  // namespace
}  // namespace q6
