#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmapCache>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include "core/widgets/color.h"
#include "core/widgets/grid.h"
#include "platform/shell/qt_platform.h"
#include "support/fake_platform.h"
#include "ui/windows.h"

namespace q6 {
namespace {

class WindowBindingTest : public ::testing::Test {
 protected:
  WindowBindingTest()
      : services{platform, screen, platform, platform, platform, platform, platform.executor},
        app(services) {}

  template <typename T>
  T* widget(const char* name) {
    return windows.main().findChild<T*>(name);
  }

  ui::Windows windows;
  test::FakePlatform platform;
  platform::QtScreenMetrics screen{windows.main()};
  PlatformServices services;
  Application app;
  ui::WindowBindings bindings{windows, app};
};

TEST_F(WindowBindingTest, ModelsAndLayoutsNameTheSameControls) {
  EXPECT_TRUE(bindings.problems().isEmpty()) << bindings.problems().join('\n').toStdString();
}

TEST_F(WindowBindingTest, MismatchesAreReported) {
  Form model("Probe", "", 100, 100);
  model.add<Label>("LbMissing");
  model.add<Button>("BtWrongKind");
  QWidget root;
  root.setObjectName("Probe");
  auto* layout = new QVBoxLayout(&root);
  auto* wrong = new QLabel(&root);
  wrong->setObjectName("BtWrongKind");
  auto* stray = new QLineEdit(&root);
  stray->setObjectName("EdStray");
  layout->addWidget(wrong);
  layout->addWidget(stray);
  // Root is a plain widget, not a window: that is reported too.
  const QStringList problems = ui::Binder(model, root).problems();
  EXPECT_EQ(problems.size(), 4) << problems.join('\n').toStdString();
  for (const char* name : {"Probe", "LbMissing", "BtWrongKind", "EdStray"})
    EXPECT_TRUE(problems.join('\n').contains(name)) << name;
}

TEST_F(WindowBindingTest, ModelChangesReachTheWidgets) {
  app.Start();
  TForm1& form = app.form1();
  EXPECT_EQ(windows.main().windowTitle().toStdString(), form.caption());
  EXPECT_EQ(widget<QComboBox>("CbComPort")->count(), 32);
  EXPECT_FALSE(widget<QPushButton>("uC_read_bt")->isEnabled());

  form.english1Click();
  EXPECT_EQ(widget<QPushButton>("BtComActivate")->text().toStdString(), "com activate");
  auto* tabs = widget<QTabWidget>("PageControl1");
  EXPECT_EQ(tabs->tabText(tabs->indexOf(widget<QWidget>("TSFehlerspeicher"))).toStdString(),
            "fault memory ");
  EXPECT_EQ(widget<QMenu>("Info1")->title().toStdString(), form.frame.Info1.caption());
  EXPECT_TRUE(widget<QAction>("english1")->isChecked());
  EXPECT_FALSE(widget<QAction>("german1")->isChecked());
  EXPECT_FALSE(widget<QAction>("tuerk1")->isVisible());

  form.frame.TsTest.setVisible(false);
  EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(widget<QWidget>("TsTest"))));
  form.frame.SbZustand.setPanelText(0, "OFFLINE");
  EXPECT_TRUE(widget<QStatusBar>("SbZustand")->findChild<QLabel*>()->text() == "OFFLINE");
}

// A table out of sight is left alone while its model changes, so its header never measures rows
// nobody sees; in sight, it shows the model as it is then, size included, and follows at once.
TEST_F(WindowBindingTest, ATableOutOfSightCatchesUpWhenItComesIntoSight) {
  app.Start();
  windows.main().show();
  auto* tabs = widget<QTabWidget>("PageControl1");
  auto* table = widget<QTableWidget>("StgRamData");
  Grid& grid = app.form1().tables.StgRamData;
  const auto text = [table](int column, int row) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().toStdString() : std::string("(none)");
  };
  ASSERT_FALSE(table->isVisible());
  grid.setCell(3, 1, "12.5");
  EXPECT_NE(text(3, 1), "12.5");

  tabs->setCurrentWidget(widget<QWidget>("TsRam"));
  ASSERT_TRUE(table->isVisible());
  EXPECT_EQ(text(3, 1), "12.5");
  grid.setCell(3, 1, "13.0");
  EXPECT_EQ(text(3, 1), "13.0");

  tabs->setCurrentIndex(0);
  const int rows = grid.rowCount() + 1;
  grid.setSize(rows, grid.columnCount());
  grid.setCell(2, rows - 1, "added");
  tabs->setCurrentWidget(widget<QWidget>("TsRam"));
  EXPECT_EQ(table->rowCount(), rows);
  EXPECT_EQ(text(2, rows - 1), "added");
  EXPECT_EQ(text(3, 1), "13.0");
}

// Counts the paint events of one widget.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void HandlePendingEvents() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

// A label's new text repaints the label, not the whole page around it (the live page's operating
// time changes every second); a text that needs more room still gets it.
TEST_F(WindowBindingTest, ANewLabelTextRepaintsTheLabelNotThePage) {
  app.Start();
  windows.main().show();
  HandlePendingEvents();
  auto& label = *app.form1().findAs<CaptionedControl>("LbBetriebsdauerAktuell");
  PaintCount labelPaints(*widget<QWidget>("LbBetriebsdauerAktuell"));
  PaintCount farAwayPaints(*widget<QWidget>("wt_ph1_led"));
  for (const char* time : {"00:00:21", "00:00:22", "00:01:00", "01:10:00", "123:10:00"}) {
    label.setCaption(time);
    HandlePendingEvents();
  }
  EXPECT_GE(labelPaints.paints, 5);
  EXPECT_EQ(farAwayPaints.paints, 0);

  // A text that needs more room than the page has reaches the window's layout.
  const int minimumWidth = windows.main().minimumSizeHint().width();
  label.setCaption(std::string(300, 'W'));
  HandlePendingEvents();
  EXPECT_GT(windows.main().minimumSizeHint().width(), minimumWidth);
}

// Share of the widget's rendered pixels in `colour`.
double ColourShare(QWidget& widget, Rgb colour) {
  const QImage image = widget.grab().toImage();
  const QRgb wanted = qRgb(colour.r, colour.g, colour.b);
  int matching = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) matching += image.pixel(x, y) == wanted ? 1 : 0;
  return static_cast<double>(matching) / (image.width() * image.height());
}

constexpr const char* kColouredFields[] = {"EdGeraeteNr", "UdWt1", "DateTimePicker_Mo1"};

TEST_F(WindowBindingTest, FieldsShowTheirModelColour) {
  app.Start();
  for (const char* name : kColouredFields) {
    app.form1().findAs<CaptionedControl>(name)->setColor(colors::kChanged);
    EXPECT_GT(ColourShare(*widget<QWidget>(name), colors::kChanged), 0.5) << name;
  }
}

// The live values repaint the page at every poll; a coloured field that cached a new pixmap at
// each repaint kept filling the pixmap cache. A small cache shows it: its oldest entry,
// put there first, is pushed out once repaints add pixmaps instead of reusing one.
TEST_F(WindowBindingTest, RepaintsOfAColouredFieldReuseItsCachedLook) {
  app.Start();
  const int usualLimit = QPixmapCache::cacheLimit();
  for (const char* name : kColouredFields) {
    QWidget& field = *widget<QWidget>(name);
    app.form1().findAs<CaptionedControl>(name)->setColor(colors::kChanged);
    const int fieldKb = field.width() * field.height() * 4 / 1024 + 1;
    QPixmapCache::clear();
    QPixmapCache::setCacheLimit(16 + 4 * fieldKb);
    QPixmap oldest(64, 64);  // 16 kB
    oldest.fill(Qt::black);
    QPixmapCache::insert(QStringLiteral("oldest"), oldest);
    for (int i = 0; i < 20; ++i) field.grab();
    EXPECT_TRUE(QPixmapCache::find(QStringLiteral("oldest"), &oldest)) << name;
  }
  QPixmapCache::setCacheLimit(usualLimit);
}

TEST_F(WindowBindingTest, UserActionsReachTheModelWithoutEchoes) {
  app.Start();
  TForm1& form = app.form1();
  int changes = 0;
  form.comm.CbComPort.OnChange.attach([&] { ++changes; });
  auto* combo = widget<QComboBox>("CbComPort");
  combo->activated(4);  // what a user's pick emits
  EXPECT_EQ(form.comm.CbComPort.text(), "COM5");
  EXPECT_EQ(changes, 1);
  form.comm.CbComPort.setItemIndex(2);
  EXPECT_EQ(combo->currentIndex(), 2);
  EXPECT_EQ(changes, 1) << "the program's change reaches the widget without coming back";

  widget<QAction>("english1")->trigger();
  EXPECT_EQ(form.LanguageCode, "eng");
  // Picking the checked item again leaves it checked, whatever the menu toggled.
  widget<QAction>("english1")->trigger();
  EXPECT_TRUE(widget<QAction>("english1")->isChecked());
}

TEST_F(WindowBindingTest, TestButtonWritesRealSizes) {
  app.Start();
  windows.main().show();
  app.form1().frame.MemoTest.clear();
  QTest::mouseClick(widget<QPushButton>("Button1"), Qt::LeftButton);
  const auto& lines = app.form1().frame.MemoTest.lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].rfind("Breite PageControl1: ", 0), 0u);
  EXPECT_GT(std::stoi(lines[0].substr(21)), 400) << lines[0];
  EXPECT_EQ(lines[4], "Breite Form: " + std::to_string(app.form1().width()));
}

TEST_F(WindowBindingTest, RestoreBringsBackAMinimisedWindow) {
  windows.main().show();
  windows.main().showMinimized();
  windows.main().restore();
  EXPECT_FALSE(windows.main().isMinimized());
}

TEST(EditKeyFilter, TypedCharactersFollowTheMainWindowRule) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new QLineEdit(&window);
  auto* next = new QLineEdit(&window);
  layout->addWidget(edit);
  layout->addWidget(next);
  ui::EditKeyFilter filter;
  edit->installEventFilter(&filter);
  window.show();
  edit->setFocus();
  QApplication::setActiveWindow(&window);

  QTest::keyClicks(edit, "12a,5.-");
  EXPECT_EQ(edit->text(), "12,5");
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "12,");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->text(), "12,");
  EXPECT_TRUE(next->hasFocus());
}

}  // namespace
}  // namespace q6
