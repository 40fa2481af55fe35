#include <array>

#include "core/device/dimmer_clock.h"
#include "core/device/live_format.h"
#include "core/device/operating_state.h"
#include "core/device/ram_map.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

constexpr Rgb kModeHighlight{255, 255, 128};
constexpr std::uint16_t kRegimeManual = 40;
constexpr std::uint16_t kRegimeCalibration = 91;

enum class Shown { Integer, Tenths, TenthsDecimal, SignedTenthsDecimal, Frequency };

struct Reading {
  Edit& field;
  std::uint16_t address;
  Shown format;
};

std::string Format(Shown format, std::uint16_t word, char decimal) {
  switch (format) {
    case Shown::Integer:
      return std::to_string(word);
    case Shown::Tenths:
      return TenthsWhole(word);
    case Shown::TenthsDecimal:
      return TenthsOneDecimal(word, decimal);
    case Shown::SignedTenthsDecimal:
      return TenthsOneDecimal(static_cast<std::int16_t>(word), decimal);
    case Shown::Frequency:
      return FrequencyFromPeriod(word);
  }
  return {};
}

struct Lamp {
  Indicator& indicator;
  std::uint16_t address;
  int bit;
  Rgb lit;
};

std::uint32_t Seconds(const RamImage& image, std::uint16_t high, std::uint16_t low) {
  return static_cast<std::uint32_t>(RamWord(image, high)) << 16 | RamWord(image, low);
}

}  // namespace

void TForm1::ShowLiveStatus() {
  const auto word = [this](std::uint16_t address) { return RamWord(RamRData, address); };
  const char decimal = platform_.locale.decimalSeparator();

  using enum Shown;
  namespace r = ram;
  const std::array<Reading, 35> readings = {{
      {measure.EdUAcSollSps, r::UAcSollSps, Tenths},
      {measure.EdUac, r::UAcMittel, Tenths},
      {measure.EdFreqSoll, r::FreqSoll, Integer},
      {measure.EdFreqIst, r::FreqIst, Integer},
      {measure.EdKkTemp1, r::TempKK1, SignedTenthsDecimal},
      {measure.EdKkTemp2, r::TempKK2, SignedTenthsDecimal},
      {measure.EdPDc, r::PDc, Integer},
      {measure.EdIdc, r::IzMittel, TenthsDecimal},
      {measure.EdUz, r::UzMittel, Tenths},
      {modes.EdUacAnzeige, r::UAcMittel, TenthsDecimal},
      {modes.EdUzAnzeige, r::UzMittel, TenthsDecimal},
      {modes.EdPdcAnzeige, r::PDc, Integer},
      {develop.EdEwUacSoll, r::UAcSoll, Tenths},
      {develop.EdEwFreqSoll, r::Taktuebergabe, Frequency},
      {develop.EdEwUacIst, r::UAcMittel, Tenths},
      {develop.EdEwFIst, r::FreqIst, Integer},
      {develop.EdEwUzIst, r::UzMittel, Tenths},
      {develop.EdEwPdcIst, r::PDc, Integer},
      {develop.EdEwIz, r::IzMittel, TenthsDecimal},
      {develop.EdEwTemp1, r::TempKK1, SignedTenthsDecimal},
      {develop.EdEwTemp2, r::TempKK2, SignedTenthsDecimal},
      {develop.EdEwUacSollSps, r::UAcSollSps, Tenths},
      {develop.EdEwUacRampe, r::UAcSollRampe, Tenths},
      {develop.EdEwUAcGrenzP, r::UGrenzLeistung, Tenths},
      {develop.EdEwUAcGrenzTemp, r::UGrenzTemp, Tenths},
      {develop.EdEwUacSoll1, r::UAcSoll, Tenths},
      {develop.EdEwFreqSps, r::TaktSollSps, Frequency},
      {develop.EdEwFreqRampe, r::TaktSollRampe, Frequency},
      {develop.EdEwFreqGrenzP, r::TaktGrenzLeistung, Frequency},
      {develop.EdEwFreqGrenzTemp, r::TaktGrenzTemp, Frequency},
      {develop.EdEwFreqSoll1, r::Taktuebergabe, Frequency},
      {develop.EdEwPRedUhr, r::PRedUhr, Integer},
      {develop.EdEwPRedPoti, r::PRedPoti, Integer},
      {develop.EdEwPRedAn10V, r::PRedAn10V, Integer},
      {develop.EdEwPRedVorgabe, r::PRedSps, Integer},
  }};
  for (const auto& [field, address, format] : readings)
    field.setText(Format(format, word(address), decimal));

  live.PRedSoll.setCaption(Percent(word(r::PRedSoll)));
  live.PRedIst.setCaption(Percent(ShownPowerReduction(word(r::PRedIst), word(r::PRedSoll))));
  live.PRedUhr.setCaption(Percent(word(r::PRedUhr)));
  live.PRedAnalog.setCaption(Percent(word(r::PRedAn10V)));
  live.PRedPoti.setCaption(Percent(word(r::PRedPoti)));

  const DimmerTime clock =
      DimmerTimeFromWords(word(r::MinSec), word(r::DaysHour), word(r::MonthsDate), word(r::Year));
  live.uC_Zeit.setCaption(DimmerTimeText(clock));
  live.uC_Zeit.setFontColor(DimmerClockDeviates(clock, platform_.clock.now()) ? colors::kInvalid
                                                                              : colors::kText);
  live.LbBetriebsdauerAktuell.setCaption(Duration(word(r::EinbrennTimer)));
  live.bhz_all.setCaption(
      OperatingHours(Seconds(RamRData, r::BhzGesamtHigh, r::BhzGesamtLow), decimal));
  live.bhz_dim.setCaption(
      OperatingHours(Seconds(RamRData, r::BhzGedimmtHigh, r::BhzGedimmtLow), decimal));

  const std::array<Lamp, 11> lamps = {{
      {live.LedGreen, r::AnzeigeBits, 0, colors::kLitGreen},
      {live.LedYellow, r::AnzeigeBits, 1, colors::kLitYellow},
      {live.LedRed, r::AnzeigeBits, 2, colors::kLitRed},
      {live.LedDimmOff, r::InfoBits, 0, colors::kLitGreen},
      {live.LedUhr, r::InfoBits, 1, colors::kLitGreen},
      {live.LedPoti, r::InfoBits, 2, colors::kLitGreen},
      {live.LedAnalog, r::InfoBits, 3, colors::kLitGreen},
      {live.LedTempBegr, r::InfoBits, 8, colors::kLitGreen},
      {live.LedOverload, r::InfoBits, 9, colors::kLitYellow},
      {develop.Shape10, r::AnzeigeBits, 9, colors::kLitYellow},
      {develop.Shape9, r::AnzeigeBits, 10, colors::kLitYellow},
  }};
  for (const auto& [indicator, address, bit, lit] : lamps)
    indicator.setColor((word(address) >> bit) & 1U ? lit : colors::kUnlit);
  ShowDimPhase(word(r::DimZone));

  CurrentRegime = word(r::Regime);
  frame.SbZustand.setPanelText(
      0, OperatingStateText(CurrentRegime, word(r::RegimeStart), word(r::AnzeigeBits),
                            word(r::InfoBits), [this](int row) { return GetInfoString(row); }));

  Button& calibration = modes.BtKalibrierzustand;
  if (CurrentRegime == kRegimeCalibration)
    calibration.setTag(1);
  else if (calibration.tag() == 1)
    calibration.setTag(0);
  const bool calibrating = calibration.tag() == 1;
  calibration.setCaption(calibrating ? "Ende Kalibrierung" : "Start Kalibrierung");
  modes.GroupBox9.setColor(calibrating ? kModeHighlight : colors::kPanel);
  for (Button* button : {&modes.BtWrKalUac, &modes.BtWrKalUz, &modes.BtWrKalPdc})
    button->setEnabled(calibrating);

  // Only a change of the manual state acts, so a send in progress keeps its button state.
  Button& manual = modes.BtManuellMode;
  if (CurrentRegime == kRegimeManual && manual.tag() == 0) {
    manual.setTag(1);
    modes.BtManuellSend.setEnabled(true);
    manual.setCaption("Ende Manueller Modus");
    modes.GroupBox7.setColor(kModeHighlight);
  } else if (CurrentRegime != kRegimeManual && manual.tag() == 1) {
    manual.setTag(0);
    manual.setCaption("Manueller Modus");
    modes.BtManuellSend.setEnabled(false);
    modes.GroupBox7.setColor(colors::kPanel);
  }
}

void TForm1::ShowDimPhase(std::uint16_t dimZone) {
  // Zones 1..3 and 5..7 are the periods of the two profiles; 0/8 and 4/9 their ends.
  int lit = -1;
  if ((dimZone >= 1 && dimZone <= 3) || (dimZone >= 5 && dimZone <= 7)) lit = dimZone - 1;
  if (dimZone == 0 || dimZone == 8) lit = 3;
  if (dimZone == 4 || dimZone == 9) lit = 7;
  const auto leds = live.phaseLeds();
  for (int i = 0; i < static_cast<int>(leds.size()); ++i)
    leds[static_cast<std::size_t>(i)]->setColor(i == lit ? colors::kLitGreen : colors::kUnlit);
}

void TForm1::ResetIndicators() {
  for (Control* control : controls()) {
    auto* captioned = dynamic_cast<CaptionedControl*>(control);
    if (!captioned) continue;
    switch (control->kind()) {
      case ControlKind::Indicator:
        captioned->setColor(colors::kPanel);
        break;
      case ControlKind::Edit:
      case ControlKind::SpinField:
      case ControlKind::TimeField:
        captioned->setColor(colors::kWindow);
        break;
      default:
        break;
    }
  }
}

}  // namespace q6
