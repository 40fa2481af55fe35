#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <map>
#include <string>
#include <vector>

#include "program_fixture.h"

namespace q6 {
namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text text) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  return iface ? iface->text(text) : QString();
}

bool IsRadioGroup(const QWidget& widget) {
  return qobject_cast<const QGroupBox*>(&widget) &&
         widget.findChild<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

// Where a control's name comes from, empty when only Qt's fallback (the enclosing group's
// title) would name it.
QString NameSource(const QWidget& widget) {
  if (!widget.accessibleName().isEmpty()) return widget.accessibleName();
  for (const QLabel* label :
       widget.parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
    if (label->buddy() == &widget) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
  if (IsRadioGroup(widget)) return static_cast<const QGroupBox&>(widget).title();
  return {};
}

class AccessibilityTest : public test::ProgramTest {
 protected:
  // What a screen reader must be able to name: fields, spin and time fields, check boxes, radio
  // groups with their buttons, and lamps.
  QList<QWidget*> namedControls() {
    QList<QWidget*> controls;
    for (QWidget* widget : windows.main().findChildren<QWidget*>()) {
      // Dialogs hang below the main window; the inner edit of a spin box is no control.
      if (widget->window() != &windows.main()) continue;
      const bool inner = qobject_cast<QAbstractSpinBox*>(widget->parentWidget());
      const bool lamp = form().findAs<Indicator>(widget->objectName().toStdString());
      if ((qobject_cast<QLineEdit*>(widget) && !inner) || qobject_cast<QAbstractSpinBox*>(widget) ||
          qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget) ||
          IsRadioGroup(*widget) || lamp)
        controls << widget;
    }
    return controls;
  }
  QString name(const char* widget) {
    return AccessibleText(windows.main().findChild<QWidget*>(widget), QAccessible::Name);
  }
  std::string caption(const char* control) {
    return form().findAs<CaptionedControl>(control)->caption();
  }
};

TEST_F(AccessibilityTest, EveryControlOfTheMainWindowHasAName) {
  for (const auto& switchLanguage : {&TForm1::german1Click, &TForm1::english1Click}) {
    (form().*switchLanguage)();
    const QList<QWidget*> controls = namedControls();
    ASSERT_GT(controls.size(), 100) << "the walk reaches every tab";
    QStringList nameless;
    for (QWidget* control : controls) {
      const QString spoken = AccessibleText(control, QAccessible::Name);
      if (spoken.trimmed().isEmpty() || NameSource(*control).trimmed() != spoken.trimmed())
        nameless << QStringLiteral("%1 (%2): \"%3\"")
                        .arg(control->objectName(), control->metaObject()->className(), spoken);
    }
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join('\n').toStdString();
  }
}

TEST_F(AccessibilityTest, NamesFollowTheLanguage) {
  struct Case {
    const char* widget;
    std::vector<const char*> captions;  // of the model controls that name it, in order
  };
  const std::vector<Case> cases = {
      {"DateTimePicker_Mo1", {"LbZeit", "Label2"}},  // a cell of a profile grid
      {"EdWeRedEnd", {"Label66", "Label42"}},        // the same for a plain field
      {"UdUAcStart", {"LbUAcStart"}},                // a label's buddy
      {"wt_ph4_led", {"Label41"}},                   // a lamp beside its label
      {"RgNetzSetup", {"RgNetzSetup"}},              // a radio group by its title
  };
  std::map<std::string, QString> german;
  for (const auto& switchLanguage : {&TForm1::german1Click, &TForm1::english1Click}) {
    (form().*switchLanguage)();
    for (const auto& [widget, captions] : cases) {
      QStringList parts;
      for (const char* control : captions) parts << QString::fromStdString(caption(control));
      EXPECT_EQ(name(widget).trimmed(), parts.join(", ").trimmed()) << widget;
      if (german.contains(widget))
        EXPECT_NE(name(widget), german[widget]) << widget << " kept its German name";
      else
        german[widget] = name(widget);
    }
  }
}

TEST_F(AccessibilityTest, LampsTellTheirStateInTheirDescription) {
  auto* lamp = windows.main().findChild<QWidget*>("LedRed");
  form().live.LedRed.setColor(colors::kLitRed);
  EXPECT_EQ(AccessibleText(lamp, QAccessible::Description), "on (red)");
  form().live.LedRed.setColor(colors::kUnlit);
  EXPECT_EQ(AccessibleText(lamp, QAccessible::Description), "off");
}

TEST(SpokenNames, ANameAfterAMissingCaptionIsReported) {
  Form model("Probe", "", 100, 100);
  model.add<Label>("LbRow", "Zeit");
  model.add<Edit>("EdCell");
  model.nameAfter("EdCell", {"LbRow", "LbMissing"});
  model.nameAfter("EdMissing", {"LbRow"});
  QDialog root;
  root.setObjectName("Probe");
  auto* layout = new QVBoxLayout(&root);
  auto* label = new QLabel(&root);
  label->setObjectName("LbRow");
  auto* cell = new QLineEdit(&root);
  cell->setObjectName("EdCell");
  layout->addWidget(label);
  layout->addWidget(cell);
  const QStringList problems = ui::Binder(model, root).problems();
  EXPECT_EQ(problems.size(), 2) << problems.join('\n').toStdString();
  for (const char* name : {"LbMissing", "EdMissing"})
    EXPECT_TRUE(problems.join('\n').contains(name)) << name;
}

}  // namespace
}  // namespace q6
