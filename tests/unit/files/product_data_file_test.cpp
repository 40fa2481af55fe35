#include <gtest/gtest.h>

#include "settings_file_fixture.h"

namespace q6 {
namespace {

using ProductDataFileTest = test::SettingsFileTest;

TEST_F(ProductDataFileTest, TwoEmptySectionsLoadTheDefaultsOfBothTables) {
  c.RgLeistungsklasse.setItemIndex(4);
  c.UdHardwareversion.setValue(30);
  c.RgVersion.setItemIndex(1);
  c.UdWt2.setValue(20);
  ASSERT_TRUE(form.LoadProductData(file("t.prd", "[Options]\n[Settings]\n")));
  EXPECT_EQ(c.UdWt2.value(), 67);
  EXPECT_EQ(c.RgVersion.itemIndex(), 0);
  EXPECT_EQ(c.RgLeistungsklasse.text(), "2000 W");
  EXPECT_EQ(form.PowerClassValue, 0);
  // The limits of the keys, not the class table's 2200, 2150 and 2400.
  EXPECT_EQ(c.UdPDcRed.value(), 4000);
  EXPECT_EQ(c.UdPdcRedOff.value(), 3950);
  EXPECT_EQ(c.UdPDCOverload.value(), 4150);
  EXPECT_EQ(c.UdHardwareversion.value(), 24);
}

TEST_F(ProductDataFileTest, ThePowerClassIsSelectedWithoutPresettingTheLimits) {
  for (const auto& [value, item] : {std::pair{"4", "4000 W"}, std::pair{"9", "1500 W"}}) {
    ASSERT_TRUE(form.LoadProductData(
        file("t.prd", std::string("[Settings]\nLeistungsklasse:=") + value +
                          "\nPDcRed:=3000\nPDcRedOff:=2900\nPDcOverload:=3100\n")));
    EXPECT_EQ(c.RgLeistungsklasse.text(), item);
    EXPECT_EQ(form.PowerClassValue, std::stoi(value));
    EXPECT_EQ(c.UdPDcRed.value(), 3000);
    EXPECT_EQ(c.UdPdcRedOff.value(), 2900);
    EXPECT_EQ(c.UdPDCOverload.value(), 3100);
  }
  // The handler is attached again: a later pick presets the limits of its class.
  c.RgLeistungsklasse.setItemIndex(2);
  EXPECT_EQ(c.UdPDcRed.value(), 2200);
}

TEST_F(ProductDataFileTest, SavingWritesTheClassValueAndTheExtensionRule) {
  c.RgLeistungsklasse.setItemIndex(4);
  form.PowerClassValue = 6;
  for (const auto& [chosen, written] :
       {std::pair{"Typ7", "Typ7.prd"}, std::pair{"Typ7.alt", "Typ7.alt"}}) {
    platform.saveAnswers = {path(chosen)};
    form.frame.Produktdatenspeichern1.click();
    EXPECT_NE(bytesOf(path(written)).find("Leistungsklasse:=2\r\n"), std::string::npos) << chosen;
  }
  EXPECT_EQ(form.PowerClassValue, 2);
  EXPECT_EQ(platform.saveRequests.back().filter, "(*.prd)|*.PRD");
  EXPECT_EQ(platform.saveRequests.back().initialDir, form.PathConfig);
}

TEST_F(ProductDataFileTest, ProfilesAndProductDataLoadAsEachOther) {
  c.UdHardwareversion.setValue(30);
  ASSERT_TRUE(form.LoadProductData(file("p.ini", "[Options]\nWT_P_Red1:=40\n")));
  EXPECT_EQ(c.UdWt1.value(), 40);
  EXPECT_EQ(c.UdHardwareversion.value(), 24);

  c.UdHardwareversion.setValue(30);
  ASSERT_TRUE(form.LoadDimmProfile(
      file("t.prd", "[Options]\nWT_P_Red1:=45\n[Settings]\nHardwareversion:=20\n")));
  EXPECT_EQ(c.UdWt1.value(), 45);
  EXPECT_EQ(c.UdHardwareversion.value(), 30);
}

TEST_F(ProductDataFileTest, ABadTimeReadsNoSettingsAndSkipsTheValidation) {
  c.UdHardwareversion.setValue(30);
  platform.openAnswers = {file("t.prd", "[Options]\nWE_Endtime:=25:00\n[Settings]\n")};
  form.frame.Produktdatenladen1.click();
  EXPECT_EQ(c.UdHardwareversion.value(), 30);
  EXPECT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.openRequests.back().defaultExt, "prd");
}

TEST_F(ProductDataFileTest, SavingIntoADeviceSettingsFileKeepsItsDate) {
  const auto name = file("a.cfg", "[Settings]\nDatum:=01.02.2020 10:00:00\nNennspannung:=220\n");
  form.SaveProductData(name);
  const std::string text = bytesOf(name);
  EXPECT_LT(text.find("[Settings]\r\nDatum:=01.02.2020 10:00:00\r\nNennspannung:=230\r\n"),
            text.find("[Options]\r\nDatum:="));
}

}  // namespace
}  // namespace q6
