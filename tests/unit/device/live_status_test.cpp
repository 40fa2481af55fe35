#include <gtest/gtest.h>

#include "device_fixture.h"

namespace q6 {
namespace {

using test::DeviceTest;

TEST_F(DeviceTest, MeasurementsUseTheirOwnFormatsAndTheUsersDecimalSeparator) {
  showRam({{0x0036, 0xFFF6}, {0x0032, 0xFFF6}, {0x0034, 123}, {0x003A, 3050}, {0x0044, 50}});
  EXPECT_EQ(form.measure.EdKkTemp1.text(), "-1,0");
  EXPECT_EQ(form.develop.EdEwTemp1.text(), "-1,0");
  EXPECT_EQ(form.measure.EdUac.text(), "6553");
  EXPECT_EQ(form.modes.EdUacAnzeige.text(), "6552,6");
  EXPECT_EQ(form.measure.EdIdc.text(), "12,3");
  EXPECT_EQ(form.modes.EdPdcAnzeige.text(), "3050");
  EXPECT_EQ(form.develop.EdEwFIst.text(), "50");

  platform.decimal = '.';
  showRam({{0x0036, 0xFFF6}});
  EXPECT_EQ(form.measure.EdKkTemp1.text(), "-1.0");
}

TEST_F(DeviceTest, APeriodOfZeroShowsNoFrequencyAndStopsNothing) {
  showRam({{0x0058, 0}, {0x005A, 200}, {0x0086, 0}, {0x0082, 2300}});
  EXPECT_EQ(form.develop.EdEwFreqSps.text(), "---");
  EXPECT_EQ(form.develop.EdEwFreqSoll.text(), "---");
  EXPECT_EQ(form.develop.EdEwFreqRampe.text(), "50");
  EXPECT_EQ(form.develop.EdEwUacSoll.text(), "230");
}

TEST_F(DeviceTest, PercentagesAndTheShownActualReduction) {
  struct Case {
    std::uint16_t actual;
    std::uint16_t set;
    const char* shown;
  };
  for (const auto& [actual, set, shown] :
       {Case{31, 30, "30 %"}, Case{10, 11, "10 %"}, Case{32, 30, "32 %"}}) {
    showRam({{0x003E, actual}, {0x003C, set}, {0x0078, 1}, {0x007C, 2}, {0x007E, 3}});
    EXPECT_EQ(form.live.PRedIst.caption(), shown);
    EXPECT_EQ(form.live.PRedSoll.caption(), std::to_string(set) + " %");
  }
  EXPECT_EQ(form.live.PRedUhr.caption(), "1 %");
  EXPECT_EQ(form.live.PRedAnalog.caption(), "2 %");
  EXPECT_EQ(form.live.PRedPoti.caption(), "3 %");
}

TEST_F(DeviceTest, OperatingTimes) {
  showRam({{0x004E, 3725}, {0x0050, 0xFFFF}, {0x0052, 0xFFFF}, {0x0054, 9000}, {0x0056, 0}});
  EXPECT_EQ(form.live.LbBetriebsdauerAktuell.caption(), "01:02:05");
  EXPECT_EQ(form.live.bhz_all.caption(), "1193046,50 h");
  EXPECT_EQ(form.live.bhz_dim.caption(), "2,50 h");
}

TEST_F(DeviceTest, DimmerClockIsRedWhenOffOrInvalid) {
  platform.clockNow = {2025, 1, 1, 0, 5, 59};
  showRam({{0x0074, 0x0000}, {0x0076, 0x0019}});
  EXPECT_EQ(form.live.uC_Zeit.caption(), "01.01.2025          00:00");
  EXPECT_EQ(form.live.uC_Zeit.fontColor(), colors::kText);

  platform.clockNow = {2025, 1, 1, 0, 6, 0};
  showRam({{0x0074, 0x0000}, {0x0076, 0x0019}});
  EXPECT_EQ(form.live.uC_Zeit.fontColor(), colors::kInvalid);

  platform.clockNow = {2025, 1, 1, 0, 0, 0};
  showRam({{0x0074, 0x0D01}, {0x0076, 0x0019}, {0x0032, 2304}});
  EXPECT_EQ(form.live.uC_Zeit.caption(), "01.13.2025          00:00");
  EXPECT_EQ(form.live.uC_Zeit.fontColor(), colors::kInvalid);
  EXPECT_EQ(form.measure.EdUac.text(), "230") << "the other fields still update";
}

TEST_F(DeviceTest, OperatingStateTextWithItsSuffixes) {
  struct Case {
    std::uint16_t regime;
    std::uint16_t regimeStart;
    std::uint16_t anzeigeBits;
    std::uint16_t infoBits;
    bool english;
    const char* text;
  };
  for (const auto& c : {
           Case{0, 5, 1 << 7, 0, false, "START - ENTWÄRMUNG  (FREILEITUNGSNETZ)"},
           Case{0, 4, 0, 0, false, "START"},
           Case{96, 0, 0, 0, false, "REGIME UNBEKANNT"},
           Case{96, 0, 0, 0, true, "REGIME UNKNOWN"},
           Case{1, 0, 1 << 6, 0, true, "BURN IN (CABLE NET)"},
           Case{40, 0, 1 << 8, 0x0300, false,
                "MANUELL (SONDERFUNKTION) (TEMPERATURBEGRENZUNG) (LEISTUNGSBEGRENZUNG)"},
           Case{91, 0, 0, 0, false, "KALIBRIERUNG"},
           Case{94, 0, 0, 0, false, "RESET"},
       }) {
    c.english ? form.english1Click() : form.german1Click();
    showRam({{0x0048, c.regime},
             {0x004A, c.regimeStart},
             {0x0060, c.anzeigeBits},
             {0x0062, c.infoBits}});
    EXPECT_EQ(form.frame.SbZustand.panelText(0), c.text);
    EXPECT_EQ(form.CurrentRegime, c.regime);
  }
}

TEST_F(DeviceTest, StatusLampsFollowTheirBits) {
  showRam({{0x0060, 0x0205}, {0x0062, 0x0202}});
  struct Case {
    const Indicator& lamp;
    Rgb color;
  };
  for (const auto& [lamp, color] : {
           Case{form.live.LedGreen, colors::kLitGreen},
           Case{form.live.LedYellow, colors::kUnlit},
           Case{form.live.LedRed, colors::kLitRed},
           Case{form.live.LedDimmOff, colors::kUnlit},
           Case{form.live.LedUhr, colors::kLitGreen},
           Case{form.live.LedPoti, colors::kUnlit},
           Case{form.live.LedAnalog, colors::kUnlit},
           Case{form.live.LedTempBegr, colors::kUnlit},
           Case{form.live.LedOverload, colors::kLitYellow},
           Case{form.develop.Shape10, colors::kLitYellow},
           Case{form.develop.Shape9, colors::kUnlit},
       })
    EXPECT_EQ(lamp.color(), color) << lamp.name();
}

TEST_F(DeviceTest, ExactlyTheLampOfTheDimmingPhaseIsLit) {
  struct Case {
    std::uint16_t zone;
    const char* lit;
  };
  for (const auto& [zone, lit] : {
           Case{0, "wt_ph4_led"},
           Case{1, "wt_ph1_led"},
           Case{3, "wt_ph3_led"},
           Case{4, "we_ph4_led"},
           Case{5, "we_ph1_led"},
           Case{7, "we_ph3_led"},
           Case{8, "wt_ph4_led"},
           Case{9, "we_ph4_led"},
           Case{10, ""},
           Case{0xFFFF, ""},
       }) {
    showRam({{0x004C, zone}});
    for (const Indicator* lamp : form.live.phaseLeds())
      EXPECT_EQ(lamp->color(), lamp->name() == lit ? colors::kLitGreen : colors::kUnlit)
          << "zone " << zone << ", " << lamp->name();
  }
}

TEST_F(DeviceTest, CalibrationButtonsFollowTheRegimeOnEveryUpdate) {
  auto& modes = form.modes;
  const auto calibrationEnabled = [&] {
    return modes.BtWrKalUac.enabled() && modes.BtWrKalUz.enabled() && modes.BtWrKalPdc.enabled();
  };
  showRam({{0x0048, 91}});
  EXPECT_TRUE(calibrationEnabled());
  EXPECT_EQ(modes.BtKalibrierzustand.tag(), 1);
  EXPECT_EQ(modes.BtKalibrierzustand.caption(), "Ende Kalibrierung");
  EXPECT_EQ(modes.GroupBox9.color(), (Rgb{255, 255, 128}));

  showRam({{0x0048, 10}});
  EXPECT_FALSE(modes.BtWrKalUac.enabled() || modes.BtWrKalUz.enabled() ||
               modes.BtWrKalPdc.enabled());
  EXPECT_EQ(modes.BtKalibrierzustand.tag(), 0);
  EXPECT_EQ(modes.BtKalibrierzustand.caption(), "Start Kalibrierung");
  EXPECT_EQ(modes.GroupBox9.color(), colors::kPanel);

  for (Button* button : {&modes.BtWrKalUac, &modes.BtWrKalUz, &modes.BtWrKalPdc})
    button->setEnabled(true);
  showRam({{0x0048, 10}});
  EXPECT_FALSE(modes.BtWrKalUac.enabled() || modes.BtWrKalUz.enabled() ||
               modes.BtWrKalPdc.enabled());
}

TEST_F(DeviceTest, ManualModeActsOnlyWhenTheRegimeChanges) {
  auto& modes = form.modes;
  showRam({{0x0048, 40}});
  EXPECT_EQ(modes.BtManuellMode.tag(), 1);
  EXPECT_TRUE(modes.BtManuellSend.enabled());
  EXPECT_EQ(modes.BtManuellMode.caption(), "Ende Manueller Modus");
  EXPECT_EQ(modes.GroupBox7.color(), (Rgb{255, 255, 128}));

  modes.BtManuellSend.setEnabled(false);  // a send is under way
  showRam({{0x0048, 40}});
  EXPECT_FALSE(modes.BtManuellSend.enabled());

  showRam({{0x0048, 2}});
  EXPECT_EQ(modes.BtManuellMode.tag(), 0);
  EXPECT_EQ(modes.BtManuellMode.caption(), "Manueller Modus");
  EXPECT_FALSE(modes.BtManuellSend.enabled());
  EXPECT_EQ(modes.GroupBox7.color(), colors::kPanel);
}

TEST_F(DeviceTest, ResetIndicatorsPaintsLampsAndFieldsInTheirNeutralColours) {
  form.live.LedRed.setColor(colors::kLitRed);
  form.develop.Shape1.setColor(colors::kInactiveCaption);
  form.measure.EdUac.setColor(colors::kInactiveCaption);
  form.ResetIndicators();
  for (const Control* control : form.controls()) {
    const auto* captioned = dynamic_cast<const CaptionedControl*>(control);
    if (control->kind() == ControlKind::Indicator) {
      EXPECT_EQ(captioned->color(), colors::kPanel) << control->name();
    }
    if (control->kind() == ControlKind::Edit) {
      EXPECT_EQ(captioned->color(), colors::kWindow) << control->name();
    }
  }
}

}  // namespace
}  // namespace q6
