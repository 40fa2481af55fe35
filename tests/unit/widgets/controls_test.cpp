#include "core/widgets/controls.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/widgets/form.h"
#include "core/widgets/grid.h"

namespace q6 {
namespace {

struct Recorder {
  explicit Recorder(Control& control) {
    control.observe([this](Property p) { seen.push_back(p); });
  }
  std::vector<Property> seen;
};

TEST(SpinField, ClampsToNearestBoundAndTellsOnlyRealChanges) {
  SpinField spin("UdWt1", "EdWtRed1", 0, 67, 30);
  Recorder recorder(spin);
  int changes = 0;
  spin.OnChange.attach([&] { ++changes; });

  struct Case {
    int set;
    int expected;
  };
  for (const auto [set, expected] : {Case{100, 67}, Case{67, 67}, Case{-5, 0}, Case{12, 12}}) {
    spin.setValue(set);
    EXPECT_EQ(spin.value(), expected) << "set " << set;
  }
  EXPECT_EQ(changes, 3);  // 67 again changes nothing
  EXPECT_EQ(recorder.seen.size(), 3u);
}

TEST(SpinField, ChangingSeesTheRequestedValueBeforeClamping) {
  SpinField spin("UdUmschaltfrequenz", "EdUmschaltfrequenz", 60, 75, 70, 5);
  std::vector<int> requested;
  spin.OnChanging.attach([&](int value) {
    requested.push_back(value);
    EXPECT_EQ(spin.value(), 70) << "runs before the new value is taken";
  });
  spin.setValue(80);
  EXPECT_EQ(requested, std::vector<int>{80});
  EXPECT_EQ(spin.value(), 75);
}

TEST(SpinField, NarrowingTheRangeMovesTheValueInside) {
  SpinField spin("UdTimePRedUp", "EdTimePRedUp", 5, 600, 5, 5);
  spin.setMin(25);
  EXPECT_EQ(spin.value(), 25);
  spin.stepDown();
  EXPECT_EQ(spin.value(), 25);
  spin.stepUp();
  EXPECT_EQ(spin.value(), 30);
}

TEST(Event, DetachedHandlerStaysSilentUntilAttachedAgain) {
  Edit edit("EdGeraeteNr");
  int calls = 0;
  edit.OnChange.attach([&] { ++calls; });
  auto handler = edit.OnChange.detach();
  edit.setText("00042");
  EXPECT_EQ(calls, 0);
  edit.OnChange.attach(std::move(handler));
  edit.setText("00043");
  EXPECT_EQ(calls, 1);
}

TEST(ItemList, IndexOutsideTheItemsSelectsNothing) {
  RadioGroup group("RgNetzSetup", "Betriebsmodi", {"Kabelnetz", "Freileitungsnetz"}, 0);
  int clicks = 0;
  group.OnClick.attach([&] { ++clicks; });
  group.setItemIndex(1);
  EXPECT_EQ(group.text(), "Freileitungsnetz");
  group.setItemIndex(5);
  EXPECT_EQ(group.itemIndex(), -1);
  EXPECT_EQ(group.text(), "");
  group.setItemIndex(-1);
  EXPECT_EQ(clicks, 2) << "a radio group tells every real change, also the program's";
}

TEST(ComboBox, OnlyTheUsersPickRunsTheHandler) {
  ComboBox combo("CbComPort", {"COM1", "COM2"}, 0);
  int changes = 0;
  combo.OnChange.attach([&] { ++changes; });
  combo.setItemIndex(1);
  EXPECT_EQ(changes, 0);
  combo.pick(1);
  combo.pick(0);
  EXPECT_EQ(changes, 2) << "a pick runs the handler even when it repeats the selection";
  EXPECT_EQ(combo.text(), "COM1");
}

TEST(Timer, FiresOnlyWhileEnabled) {
  Timer timer("SPStimer", 100, false);
  int ticks = 0;
  timer.OnTimer.attach([&] { ++ticks; });
  timer.fire();
  timer.setEnabled(true);
  timer.fire();
  EXPECT_EQ(ticks, 1);
}

TEST(Control, ObserverMayLeaveWhileBeingTold) {
  Label label("LbZeit");
  Control::ObserverId id = 0;
  int calls = 0;
  id = label.observe([&](Property) {
    ++calls;
    label.unobserve(id);
  });
  label.setCaption("a");
  label.setCaption("b");
  EXPECT_EQ(calls, 1);
}

TEST(Grid, CollectsChangedCellsUntilTaken) {
  Grid grid("StgRamData", 3, 2);
  grid.setCell(1, 2, "x");
  grid.setCell(1, 2, "x");
  grid.setCell(0, 1, "y");
  auto changes = grid.takeChanges();
  EXPECT_FALSE(changes.all);
  EXPECT_EQ(changes.cells, (std::vector<std::pair<int, int>>{{1, 2}, {0, 1}}));
  grid.setSize(4, 2);
  EXPECT_EQ(grid.cell(1, 2), "x") << "resizing keeps the cells that remain";
  EXPECT_TRUE(grid.takeChanges().all);
  EXPECT_TRUE(grid.takeChanges().cells.empty());
}

TEST(Form, FindsControlsByNameAndKind) {
  Form form("Form1", "quenDARIS6", 878, 587);
  form.add<Button>("BtComActivate", "COM aktivieren");
  EXPECT_NE(form.findAs<Button>("BtComActivate"), nullptr);
  EXPECT_EQ(form.findAs<Label>("BtComActivate"), nullptr);
  EXPECT_EQ(form.find("Nothing"), nullptr);
}

TEST(Indicator, TellsItsColourInWords) {
  struct Case {
    Rgb color;
    const char* words;
  };
  Indicator lamp("LedGreen");
  EXPECT_EQ(lamp.stateText(), "off") << "a new lamp is unlit";
  for (const auto& [color, words] :
       {Case{colors::kLitGreen, "on (green)"}, Case{colors::kLitYellow, "on (yellow)"},
        Case{colors::kLitRed, "on (red)"}, Case{colors::kUnlit, "off"},
        Case{colors::kPanel, "no data"}, Case{colors::kInactiveCaption, "no data"},
        Case{Rgb{1, 2, 3}, "colour 1, 2, 3"}}) {
    lamp.setColor(color);
    EXPECT_EQ(lamp.stateText(), words);
  }
}

}  // namespace
}  // namespace q6
