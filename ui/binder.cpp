#include "ui/binder.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "core/widgets/controls.h"
#include "core/widgets/grid.h"

namespace q6::ui {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Css(Rgb color) {
  return QStringLiteral("rgb(%1,%2,%3)").arg(color.r).arg(color.g).arg(color.b);
}

// Spin boxes take their colours from the palette, not from a style sheet: a sheet hands the style
// a fresh palette at every repaint, so each repaint of a live page put another pixmap of the box
// into the pixmap cache. The roles are those a sheet's background and colour would set.
void ShowColorsInPalette(QAbstractSpinBox& spin, const CaptionedControl& control) {
  const Rgb back = control.color();
  const Rgb fore = control.fontColor();
  QPalette palette = spin.palette();
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
    palette.setColor(role, QColor(back.r, back.g, back.b));
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
    palette.setColor(role, QColor(fore.r, fore.g, fore.b));
  spin.setPalette(palette);
}

bool IsExactly(const QObject& object, const char* className) {
  return qstrcmp(object.metaObject()->className(), className) == 0;
}

QTabWidget* OwningTabWidget(const QWidget& page) {
  // A page sits in the tab widget's internal stack.
  QWidget* stack = page.parentWidget();
  return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

// Everything inside the window, but not what belongs to another window parented to it.
QList<QObject*> OwnObjects(QWidget& root, const QString& name = {}) {
  QList<QObject*> own;
  for (QObject* object : root.findChildren<QObject*>(name)) {
    bool inOtherWindow = false;
    for (QObject* up = object; up && up != &root; up = up->parent()) {
      auto* widget = qobject_cast<QWidget*>(up);
      if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)) {
        inOtherWindow = true;
        break;
      }
    }
    if (!inOtherWindow) own << object;
  }
  return own;
}

// Calls back when its widget receives one kind of event.
class EventForwarder : public QObject {
 public:
  EventForwarder(QObject* parent, QEvent::Type type, std::function<void()> received)
      : QObject(parent), type_(type), received_(std::move(received)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == type_) received_();
    return QObject::eventFilter(watched, event);
  }

 private:
  QEvent::Type type_;
  std::function<void()> received_;
};

}  // namespace

struct Binder::Binding {
  Control* control = nullptr;
  QPointer<QObject> target;
  Control::ObserverId observer = 0;
  bool applying = false;
  std::unique_ptr<QTimer> timer;
  // A table out of sight takes no cells: each change would have its header measure every row
  // again. It shows the model's cells as it comes into sight.
  bool cellsWaiting = false;
  QButtonGroup* radios = nullptr;
  std::vector<QLabel*> panels;
};

// A widget without a label of its own, named after the captions of other controls; it follows
// every caption change, as a label's buddy follows its label.
struct Binder::SpokenName {
  QPointer<QWidget> widget;
  std::vector<const CaptionedControl*> captions;
};

QString Binder::expectedClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return "QLineEdit";
    case ControlKind::SpinField:
      return "QSpinBox";
    case ControlKind::TimeField:
      return "QTimeEdit";
    case ControlKind::RadioGroup:
      return "QGroupBox";
    case ControlKind::CheckBox:
      return "QCheckBox";
    case ControlKind::ComboBox:
      return "QComboBox";
    case ControlKind::Label:
      return "QLabel";
    case ControlKind::Button:
      return "QPushButton";
    case ControlKind::Indicator:
      return "QFrame";
    case ControlKind::ProgressBar:
      return "QProgressBar";
    case ControlKind::StatusBar:
      return "QStatusBar";
    case ControlKind::Memo:
      return "QPlainTextEdit";
    case ControlKind::Grid:
      return "QTableWidget";
    case ControlKind::TabPage:
      return "QWidget (a page of a QTabWidget)";
    case ControlKind::PageControl:
      return "QTabWidget";
    case ControlKind::MenuItem:
      return "QAction or QMenu";
    case ControlKind::GroupBox:
      return "QGroupBox";
    case ControlKind::Timer:
      return "(none)";
    case ControlKind::Window:
      return "QMainWindow or QDialog";
  }
  return {};
}

bool WidgetFits(ControlKind kind, const QObject& widget) {
  switch (kind) {
    case ControlKind::Edit:
      return IsExactly(widget, "QLineEdit");
    case ControlKind::SpinField:
      return IsExactly(widget, "QSpinBox");
    case ControlKind::TimeField:
      return IsExactly(widget, "QTimeEdit");
    case ControlKind::RadioGroup:
    case ControlKind::GroupBox:
      return IsExactly(widget, "QGroupBox");
    case ControlKind::CheckBox:
      return IsExactly(widget, "QCheckBox");
    case ControlKind::ComboBox:
      return IsExactly(widget, "QComboBox");
    case ControlKind::Label:
      return IsExactly(widget, "QLabel");
    case ControlKind::Button:
      return IsExactly(widget, "QPushButton");
    case ControlKind::Indicator:
      return IsExactly(widget, "QFrame");
    case ControlKind::ProgressBar:
      return IsExactly(widget, "QProgressBar");
    case ControlKind::StatusBar:
      return IsExactly(widget, "QStatusBar");
    case ControlKind::Memo:
      return IsExactly(widget, "QPlainTextEdit");
    case ControlKind::Grid:
      return IsExactly(widget, "QTableWidget");
    case ControlKind::TabPage: {
      const auto* page = qobject_cast<const QWidget*>(&widget);
      return IsExactly(widget, "QWidget") && page && OwningTabWidget(*page);
    }
    case ControlKind::PageControl:
      return IsExactly(widget, "QTabWidget");
    case ControlKind::MenuItem:
      return IsExactly(widget, "QAction") || IsExactly(widget, "QMenu");
    case ControlKind::Timer:
      return false;
    case ControlKind::Window:
      return qobject_cast<const QMainWindow*>(&widget) || qobject_cast<const QDialog*>(&widget);
  }
  return false;
}

Binder::Binder(Form& form, QWidget& root) : form_(form), root_(root) {
  if (!WidgetFits(ControlKind::Window, root))
    problems_ << QStringLiteral("%1: the window is a %2, expected %3")
                     .arg(Q(form.name()), root.metaObject()->className(),
                          expectedClass(ControlKind::Window));
  bind(form, &root);
  for (Control* control : form.controls()) {
    if (control->kind() == ControlKind::Timer) {
      bind(*control, nullptr);
      continue;
    }
    const QString name = Q(control->name());
    const QList<QObject*> found = OwnObjects(root, name);
    QObject* target = found.value(0);
    if (!target) {
      problems_ << QStringLiteral("%1: no widget (expected %2)")
                       .arg(name, expectedClass(control->kind()));
      continue;
    }
    if (found.size() > 1) {
      problems_ << QStringLiteral("%1: more than one widget has this name").arg(name);
    }
    if (!WidgetFits(control->kind(), *target)) {
      problems_ << QStringLiteral("%1: is a %2, expected %3")
                       .arg(name, target->metaObject()->className(),
                            expectedClass(control->kind()));
      continue;
    }
    bind(*control, target);
  }
  findUnboundWidgets();
  nameAfterCaptions();
}

Binder::~Binder() {
  for (auto& binding : bindings_) binding->control->unobserve(binding->observer);
}

void Binder::bind(Control& control, QObject* target) {
  auto binding = std::make_unique<Binding>();
  binding->control = &control;
  binding->target = target;
  Binding& ref = *binding;
  if (control.kind() == ControlKind::Timer) {
    ref.timer = std::make_unique<QTimer>();
    auto& timer = static_cast<Timer&>(control);
    QObject::connect(ref.timer.get(), &QTimer::timeout, [&timer] { timer.fire(); });
  }
  if (control.kind() == ControlKind::RadioGroup) {
    auto* box = static_cast<QGroupBox*>(target);
    ref.radios = new QButtonGroup(box);
    if (!box->layout()) new QVBoxLayout(box);
  }
  if (control.kind() == ControlKind::ProgressBar) {
    // With its own background the bar is opaque, so its repaints leave the group box beneath
    // alone.
    static_cast<QWidget*>(target)->setAutoFillBackground(true);
  }
  if (control.kind() == ControlKind::Grid)
    target->installEventFilter(new EventForwarder(target, QEvent::Show, [this, &ref] {
      if (ref.cellsWaiting) apply(ref, Property::Cells);
    }));
  // Spin fields change by their arrows only.
  if (control.kind() == ControlKind::SpinField)
    if (auto* edit = target->findChild<QLineEdit*>()) edit->setReadOnly(true);
  if (control.kind() == ControlKind::StatusBar) {
    auto* bar = static_cast<QStatusBar*>(target);
    bar->setSizeGripEnabled(false);
    for (const auto& panel : static_cast<StatusBar&>(control).panels()) {
      auto* label = new QLabel(bar);
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label->setContentsMargins(4, 0, 4, 0);
      if (panel.width > 0) label->setFixedWidth(panel.width);
      bar->addWidget(label, panel.width > 0 ? 0 : 1);
      ref.panels.push_back(label);
    }
  }
  ref.observer = control.observe([this, &ref](Property property) { apply(ref, property); });
  applyAll(ref);
  connectUserActions(ref);
  bindings_.push_back(std::move(binding));
}

void Binder::applyAll(Binding& binding) {
  for (Property property : {Property::Enabled, Property::Visible, Property::Caption, Property::Text,
                            Property::Items, Property::Range, Property::Value, Property::ItemIndex,
                            Property::Checked, Property::Lines, Property::Cells, Property::Panels,
                            Property::Interval, Property::ReadOnly, Property::Size}) {
    // Windows show themselves when asked; colours keep the native look until a control changes
    // them.
    if (property == Property::Visible && binding.control->kind() == ControlKind::Window) continue;
    apply(binding, property);
  }
  if (binding.control->kind() == ControlKind::Indicator) apply(binding, Property::Color);
}

void Binder::apply(Binding& binding, Property property) {
  Control& control = *binding.control;
  QObject* target = binding.target;
  if (binding.timer) {
    auto& timer = static_cast<Timer&>(control);
    binding.timer->setInterval(timer.interval());
    // Like the original timers, switching on starts a fresh interval.
    if (property == Property::Enabled || property == Property::Interval) {
      if (timer.enabled())
        binding.timer->start();
      else
        binding.timer->stop();
    }
    return;
  }
  if (!target) return;
  binding.applying = true;
  const QSignalBlocker blocker(target);
  auto* widget = qobject_cast<QWidget*>(target);
  auto* action = qobject_cast<QAction*>(target);
  if (auto* menu = qobject_cast<QMenu*>(target)) action = menu->menuAction();
  const auto* captioned = dynamic_cast<const CaptionedControl*>(&control);

  switch (property) {
    case Property::Enabled:
      if (action)
        action->setEnabled(control.enabled());
      else if (widget)
        widget->setEnabled(control.enabled());
      break;
    case Property::Visible:
      if (action) {
        action->setVisible(control.visible());
      } else if (control.kind() == ControlKind::TabPage) {
        QTabWidget* tabs = OwningTabWidget(*widget);
        tabs->setTabVisible(tabs->indexOf(widget), control.visible());
      } else if (widget) {
        widget->setVisible(control.visible());
      }
      break;
    case Property::Caption: {
      const QString caption = Q(captioned ? captioned->caption() : std::string{});
      if (auto* menu = qobject_cast<QMenu*>(target))
        menu->setTitle(caption);
      else if (action)
        action->setText(caption);
      else if (control.kind() == ControlKind::TabPage) {
        QTabWidget* tabs = OwningTabWidget(*widget);
        tabs->setTabText(tabs->indexOf(widget), caption);
      } else if (control.kind() == ControlKind::Window)
        widget->setWindowTitle(caption);
      else if (auto* label = qobject_cast<QLabel*>(target))
        label->setText(caption);
      else if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->setText(caption);
      else if (auto* box = qobject_cast<QGroupBox*>(target))
        box->setTitle(caption);
      else if (auto* combo = qobject_cast<QComboBox*>(target))
        combo->setPlaceholderText(caption);
      for (const SpokenName& spoken : spokenNames_)
        if (std::ranges::find(spoken.captions, captioned) != spoken.captions.end())
          applyName(spoken);
      break;
    }
    case Property::Color:
    case Property::FontColor:
      if (!captioned || !widget) break;
      if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        ShowColorsInPalette(*spin, *captioned);
      } else {
        QString css = QStringLiteral("background-color: %1; color: %2;")
                          .arg(Css(captioned->color()), Css(captioned->fontColor()));
        if (control.kind() == ControlKind::Indicator) {
          css += QStringLiteral("border: 1px solid rgb(90,90,90); border-radius: 7px;");
          widget->setAccessibleDescription(Q(static_cast<Indicator&>(control).stateText()));
        }
        widget->setStyleSheet(QStringLiteral("#%1 { %2 }").arg(widget->objectName(), css));
      }
      break;
    case Property::Text:
      if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        const QString text = Q(static_cast<Edit&>(control).text());
        if (edit->text() != text) edit->setText(text);
      }
      break;
    case Property::ReadOnly:
      if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->setReadOnly(static_cast<Edit&>(control).readOnly());
      break;
    case Property::Range:
    case Property::Value:
      if (auto* spin = qobject_cast<QSpinBox*>(target)) {
        const auto& field = static_cast<SpinField&>(control);
        spin->setRange(field.min(), field.max());
        spin->setSingleStep(field.step());
        spin->setValue(field.value());
      } else if (auto* time = qobject_cast<QTimeEdit*>(target)) {
        const auto& field = static_cast<TimeField&>(control);
        // A word that names no time of day shows as "--:--"; the first step gives a real time.
        time->setSpecialValueText(field.valid() ? QString() : QStringLiteral("--:--"));
        time->setTime(field.valid() ? QTime(0, 0).addSecs(field.seconds()) : time->minimumTime());
      } else if (auto* bar = qobject_cast<QProgressBar*>(target)) {
        const auto& progress = static_cast<ProgressBar&>(control);
        bar->setRange(0, progress.max());
        bar->setValue(progress.position());
      }
      break;
    case Property::Items:
      if (auto* combo = qobject_cast<QComboBox*>(target)) {
        combo->clear();
        for (const auto& item : static_cast<ComboBox&>(control).items()) combo->addItem(Q(item));
        combo->setCurrentIndex(static_cast<ComboBox&>(control).itemIndex());
      } else if (binding.radios) {
        const auto& group = static_cast<RadioGroup&>(control);
        auto buttons = binding.radios->buttons();
        for (std::size_t i = 0; i < group.items().size(); ++i) {
          QAbstractButton* button =
              i < static_cast<std::size_t>(buttons.size()) ? buttons[static_cast<int>(i)] : nullptr;
          if (!button) {
            button = new QRadioButton(widget);
            widget->layout()->addWidget(button);
            binding.radios->addButton(button, static_cast<int>(i));
          }
          button->setText(Q(group.items()[i]));
        }
        for (auto i = static_cast<int>(group.items().size()); i < buttons.size(); ++i)
          delete buttons[i];
      }
      break;
    case Property::ItemIndex:
      if (auto* combo = qobject_cast<QComboBox*>(target)) {
        combo->setCurrentIndex(static_cast<ComboBox&>(control).itemIndex());
      } else if (binding.radios) {
        const int index = static_cast<RadioGroup&>(control).itemIndex();
        binding.radios->setExclusive(false);
        for (QAbstractButton* button : binding.radios->buttons())
          button->setChecked(binding.radios->id(button) == index);
        binding.radios->setExclusive(true);
      } else if (auto* tabs = qobject_cast<QTabWidget*>(target)) {
        tabs->setCurrentIndex(static_cast<PageControl&>(control).activePage());
      }
      break;
    case Property::Checked:
      if (action && control.kind() == ControlKind::MenuItem) {
        const bool checked = static_cast<MenuItem&>(control).checked();
        if (checked) action->setCheckable(true);
        action->setChecked(checked);
      } else if (auto* box = qobject_cast<QCheckBox*>(target)) {
        box->setChecked(static_cast<CheckBox&>(control).checked());
      }
      break;
    case Property::Lines:
      if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
        QStringList lines;
        for (const auto& line : static_cast<Memo&>(control).lines()) lines << Q(line);
        memo->setPlainText(lines.join('\n'));
        memo->moveCursor(QTextCursor::End);
      }
      break;
    case Property::Cells:
      if (auto* table = qobject_cast<QTableWidget*>(target)) {
        auto& grid = static_cast<Grid&>(control);
        auto changes = grid.takeChanges();
        if (!table->isVisible()) {
          binding.cellsWaiting = true;
          break;
        }
        if (std::exchange(binding.cellsWaiting, false)) changes.all = true;
        const auto show = [&](int column, int row) {
          auto* item = table->item(row, column);
          if (!item) {
            item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (row < grid.fixedRows() || column < grid.fixedColumns())
              item->setBackground(QColor(240, 240, 240));
            table->setItem(row, column, item);
          }
          item->setText(Q(grid.cell(column, row)));
        };
        if (changes.all || table->rowCount() != grid.rowCount() ||
            table->columnCount() != grid.columnCount()) {
          table->setRowCount(grid.rowCount());
          table->setColumnCount(grid.columnCount());
          for (int row = 0; row < grid.rowCount(); ++row)
            for (int column = 0; column < grid.columnCount(); ++column) show(column, row);
        } else {
          for (const auto& [column, row] : changes.cells) show(column, row);
        }
      }
      break;
    case Property::Panels: {
      if (control.kind() != ControlKind::StatusBar) break;
      const auto& panels = static_cast<StatusBar&>(control).panels();
      for (std::size_t i = 0; i < panels.size() && i < binding.panels.size(); ++i)
        binding.panels[i]->setText(Q(panels[i].text));
      break;
    }
    case Property::Size:
      if (widget && control.kind() == ControlKind::Window) {
        const auto& form = static_cast<Form&>(control);
        // The model counts device pixels; Qt lays out in logical ones and scales by itself.
        const qreal ratio = widget->devicePixelRatioF();
        widget->resize(qRound(form.width() / ratio), qRound(form.height() / ratio));
      }
      break;
    case Property::Focus:
      if (auto* focused = root_.findChild<QWidget*>(Q(form_.focused()))) focused->setFocus();
      break;
    case Property::Interval:
      break;
  }
  binding.applying = false;
}

void Binder::connectUserActions(Binding& binding) {
  Control& control = *binding.control;
  QObject* target = binding.target;
  if (!target) return;
  // After the model has handled a user action, the widget shows the model again: a handler may
  // have refused or changed what the user did.
  const auto resync = [this, &binding] {
    if (!binding.applying) applyAll(binding);
  };
  switch (control.kind()) {
    case ControlKind::Button:
      connect(static_cast<QPushButton*>(target), &QPushButton::clicked, this, [&control, resync] {
        static_cast<Button&>(control).click();
        resync();
      });
      break;
    case ControlKind::MenuItem:
      if (auto* action = qobject_cast<QAction*>(target))
        connect(action, &QAction::triggered, this, [&control, resync] {
          static_cast<MenuItem&>(control).click();
          resync();
        });
      break;
    case ControlKind::Edit:
      connect(static_cast<QLineEdit*>(target), &QLineEdit::textEdited, this,
              [&control](const QString& text) {
                static_cast<Edit&>(control).setText(text.toStdString());
              });
      target->installEventFilter(
          new EventForwarder(target, QEvent::MouseButtonPress, [&control, resync] {
            static_cast<Edit&>(control).click();
            resync();
          }));
      break;
    case ControlKind::SpinField:
      connect(static_cast<QSpinBox*>(target), &QSpinBox::valueChanged, this,
              [&control, resync](int value) {
                static_cast<SpinField&>(control).setValue(value);
                resync();
              });
      break;
    case ControlKind::TimeField:
      connect(static_cast<QTimeEdit*>(target), &QTimeEdit::timeChanged, this,
              [&control](QTime time) {
                static_cast<TimeField&>(control).setSeconds(QTime(0, 0).secsTo(time));
              });
      break;
    case ControlKind::CheckBox:
      connect(static_cast<QCheckBox*>(target), &QCheckBox::clicked, this,
              [&control, resync](bool checked) {
                static_cast<CheckBox&>(control).setChecked(checked);
                resync();
              });
      break;
    case ControlKind::ComboBox:
      connect(static_cast<QComboBox*>(target), &QComboBox::activated, this,
              [&control, resync](int index) {
                static_cast<ComboBox&>(control).pick(index);
                resync();
              });
      break;
    case ControlKind::RadioGroup:
      connect(binding.radios, &QButtonGroup::idClicked, this, [&control, resync](int id) {
        static_cast<RadioGroup&>(control).setItemIndex(id);
        resync();
      });
      break;
    case ControlKind::PageControl:
      connect(static_cast<QTabWidget*>(target), &QTabWidget::currentChanged, this,
              [&control](int index) { static_cast<PageControl&>(control).setActivePage(index); });
      break;
    default:
      break;
  }
}

void Binder::findUnboundWidgets() {
  QSet<QObject*> bound;
  for (const auto& binding : bindings_)
    if (binding->target) bound.insert(binding->target);
  QSet<QString> controlNames;
  for (const Control* control : form_.controls()) controlNames.insert(Q(control->name()));
  static const QStringList kBindable = {
      "QLineEdit",   "QSpinBox",     "QTimeEdit",  "QCheckBox",      "QComboBox",    "QLabel",
      "QPushButton", "QProgressBar", "QStatusBar", "QPlainTextEdit", "QTableWidget", "QTabWidget",
      "QGroupBox",   "QRadioButton", "QFrame",     "QAction",        "QMenu"};
  for (QObject* object : OwnObjects(root_)) {
    const QString name = object->objectName();
    // Nameless widgets are made at run time; "qt_" names are Qt's own inner parts.
    // A widget of the wrong kind has been reported with its control already.
    if (name.isEmpty() || name.startsWith("qt_") || bound.contains(object) ||
        controlNames.contains(name))
      continue;
    if (auto* action = qobject_cast<QAction*>(object); action && action->isSeparator()) continue;
    const bool page = qobject_cast<QWidget*>(object) && IsExactly(*object, "QWidget") &&
                      OwningTabWidget(*static_cast<QWidget*>(object));
    if (page || kBindable.contains(object->metaObject()->className()))
      problems_ << QStringLiteral("%1: a %2 that no control claims")
                       .arg(name, object->metaObject()->className());
  }
}

void Binder::nameAfterCaptions() {
  for (const auto& [name, sources] : form_.namedAfter()) {
    SpokenName spoken;
    // An init-capture, as clang 14 cannot capture a structured binding.
    const auto bound = std::ranges::find_if(bindings_, [&wanted = name](const auto& binding) {
      return binding->control->name() == wanted;
    });
    if (bound != bindings_.end()) spoken.widget = qobject_cast<QWidget*>((*bound)->target.data());
    if (!spoken.widget)
      problems_ << QStringLiteral("%1: named after captions, but has no widget").arg(Q(name));
    for (const std::string& source : sources) {
      if (const auto* captioned = form_.findAs<CaptionedControl>(source))
        spoken.captions.push_back(captioned);
      else
        problems_
            << QStringLiteral("%1: named after %2, which has no caption").arg(Q(name), Q(source));
    }
    if (!spoken.widget || spoken.captions.size() != sources.size()) continue;
    applyName(spoken);
    spokenNames_.push_back(std::move(spoken));
  }
}

void Binder::applyName(const SpokenName& spoken) {
  QStringList parts;
  for (const CaptionedControl* caption : spoken.captions) parts << Q(caption->caption()).trimmed();
  if (spoken.widget) spoken.widget->setAccessibleName(parts.join(QStringLiteral(", ")));
}

}  // namespace q6::ui
