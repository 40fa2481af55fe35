#pragma once

#include <array>

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The live part of the tab "Dimmprofil": dimmer clock, operating hours, energy saving, status
// lamps, and the phase lamps in the header rows of the two profile groups.
struct LiveStatusControls {
  explicit LiveStatusControls(Form& form);

  GroupBox& GbDimmprofilWt;
  Indicator& wt_ph1_led;
  Indicator& wt_ph2_led;
  Indicator& wt_ph3_led;
  Indicator& wt_ph4_led;
  GroupBox& GbDimmprofilWe;
  Indicator& we_ph1_led;
  Indicator& we_ph2_led;
  Indicator& we_ph3_led;
  Indicator& we_ph4_led;

  GroupBox& clk_uc;
  Label& uC_Zeit;

  GroupBox& GbBetriebsdauer;
  Label& bhz_all;
  Label& bhz_dim;
  Label& LbBetriebsdauerAktuell;

  GroupBox& en_saving;
  Label& PRedSoll;
  Label& PRedIst;

  GroupBox& GbStatus;
  Indicator& LedGreen;
  Indicator& LedYellow;
  Indicator& LedRed;
  Indicator& LedDimmOff;
  Indicator& LedUhr;
  Label& PRedUhr;
  Indicator& LedPoti;
  Label& PRedPoti;
  Indicator& LedAnalog;
  Label& PRedAnalog;
  Indicator& LedTempBegr;
  Indicator& LedOverload;

  // By dimming phase: periods 1..3 and the end of dimming, first the Sunday-to-Thursday profile.
  std::array<Indicator*, 8> phaseLeds() const;
};

}  // namespace q6
