#include "core/link/progress.h"

#include <gtest/gtest.h>

#include <map>

namespace q6 {
namespace {

struct RecordingBars : ProgressBars {
  void setPosition(TransferBar bar, int position) override { positions[bar] = position; }
  std::map<TransferBar, int> positions;
};

TEST(Progress, PercentIsRoundedToTheNearestInteger) {
  EXPECT_EQ(ProgressPercent(165, 170), 97);  // 97.06
  EXPECT_EQ(ProgressPercent(835, 840), 99);  // 99.40
  EXPECT_EQ(ProgressPercent(5, 30), 17);     // 16.67
  EXPECT_EQ(ProgressPercent(0, 1285), 0);
}

TEST(Progress, SequencerStatePicksTheBar) {
  struct Case {
    int sioState;
    std::map<TransferBar, int> expected;
  };
  const std::map<TransferBar, int> none;
  const std::map<TransferBar, int> ram{{TransferBar::Ram, 42}, {TransferBar::Eeprom, 0}};
  const std::map<TransferBar, int> eeprom{{TransferBar::Eeprom, 42}, {TransferBar::Ram, 0}};
  for (const Case& c : {Case{0, none}, Case{1, none}, Case{2, none}, Case{3, ram}, Case{4, ram},
                        Case{5, eeprom}, Case{8, eeprom}, Case{94, eeprom}}) {
    RecordingBars bars;
    ShowTransferProgress(c.sioState, 42, bars);
    EXPECT_EQ(bars.positions, c.expected) << "state " << c.sioState;
  }
}

}  // namespace
}  // namespace q6
