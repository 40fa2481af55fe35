#include "ui/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QWheelEvent>

#include "ui/tab_layout_guard.h"
#include "ui_form1.h"
#include "ui_infofenst.h"
#include "ui_lang_form.h"
#include "ui_ts_dimmprofil.h"
#include "ui_ts_eeprom.h"
#include "ui_ts_entwicklung.h"
#include "ui_ts_export.h"
#include "ui_ts_fehlerspeicher.h"
#include "ui_ts_geraeteeinstellungen.h"
#include "ui_ts_kalibrierung.h"
#include "ui_ts_ram.h"
#include "ui_ts_test.h"

namespace q6::ui {

MainWindowView::MainWindowView() : ui_(std::make_unique<Ui::Form1>()) {
  ui_->setupUi(this);
  // Each tab page's content has a layout file of its own.
  Ui::TsDimmprofilPage().setupUi(ui_->TsDimmprofil);
  Ui::TsGeraeteeinstellungenPage().setupUi(ui_->TsGeraeteeinstellungen);
  Ui::TsKalibrierungPage().setupUi(ui_->TsKalibrierung);
  Ui::TsRamPage().setupUi(ui_->TsRam);
  Ui::TsEepromPage().setupUi(ui_->TsEeprom);
  Ui::TsEntwicklungPage().setupUi(ui_->TsEntwicklung);
  Ui::TsTestPage().setupUi(ui_->TsTest);
  Ui::TsFehlerspeicherPage().setupUi(ui_->TSFehlerspeicher);
  Ui::TsExportPage().setupUi(ui_->TsExport);
  // The raw memory tables fit each column to its widest cell; the last one takes the rest.
  for (const char* name : {"StgRamData", "StgEeprom"})
    findChild<QTableWidget*>(name)->horizontalHeader()->setSectionResizeMode(
        QHeaderView::ResizeToContents);
  // The error table fits its columns to their texts, the export grid stretches them to the width.
  auto* errors = findChild<QTableWidget*>("StgFehlerspeicher")->horizontalHeader();
  errors->setSectionResizeMode(QHeaderView::ResizeToContents);
  errors->setMinimumSectionSize(30);
  findChild<QTableWidget*>("stgExport")
      ->horizontalHeader()
      ->setSectionResizeMode(QHeaderView::Stretch);
  for (auto* tabs : findChildren<QTabWidget*>()) new TabLayoutGuard(*tabs);
  for (auto* edit : findChildren<QLineEdit*>()) edit->installEventFilter(&keyFilter_);
  for (auto* widget : findChildren<QWidget*>()) widget->installEventFilter(this);
}

MainWindowView::~MainWindowView() = default;

void MainWindowView::attach(TForm1* form) { form_ = form; }

void MainWindowView::restore() {
  if (isMinimized()) {
    showNormal();
  } else {
    raise();
    activateWindow();
  }
}

void MainWindowView::centre() {
  if (const QScreen* shown = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(shown->availableGeometry().center());
    move(frame.topLeft());
  }
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (form_ && !form_->FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
  const QWidget* focused = QApplication::focusWidget();
  if (!form_ || !focused || !isAncestorOf(focused)) return QMainWindow::eventFilter(watched, event);
  // A spin box's inner line edit has no name; the control is its parent.
  const QWidget* named = focused->objectName().isEmpty() && focused->parentWidget()
                             ? focused->parentWidget()
                             : focused;
  const std::string name = named->objectName().toStdString();
  if (event->type() == QEvent::KeyPress && watched == focused) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down)
      return form_->FormKeyDown(key == Qt::Key_Up ? StepKey::Up : StepKey::Down, name);
  }
  if (event->type() == QEvent::Wheel) {
    const WheelAction action =
        form_->FormMouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y(), name);
    if (action == WheelAction::KeyUp || action == WheelAction::KeyDown) {
      QKeyEvent press(QEvent::KeyPress, action == WheelAction::KeyUp ? Qt::Key_Up : Qt::Key_Down,
                      Qt::NoModifier);
      QApplication::sendEvent(const_cast<QWidget*>(focused), &press);
    }
    if (action != WheelAction::Pass) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void DialogView::attach(Form* form) { form_ = form; }

void DialogView::done(int result) {
  QDialog::done(result);
  if (form_) form_->setVisible(false);
}

Windows::Windows()
    : infofenst_(new DialogView(&main_)),
      langForm_(new DialogView(&main_)),
      infoUi_(std::make_unique<Ui::Infofenst>()),
      langUi_(std::make_unique<Ui::lang_form>()) {
  infoUi_->setupUi(infofenst_);
  langUi_->setupUi(langForm_);
  for (QDialog* dialog : {static_cast<QDialog*>(infofenst_), static_cast<QDialog*>(langForm_)}) {
    // A fixed dialog border: the windows keep the size their content asks for.
    dialog->layout()->setSizeConstraint(QLayout::SetFixedSize);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  }
}

Windows::~Windows() = default;

void Windows::showMain() {
  main_.show();
  main_.centre();
  for (QDialog* dialog : {static_cast<QDialog*>(infofenst_), static_cast<QDialog*>(langForm_)}) {
    if (!dialog->isVisible()) continue;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(main_.frameGeometry().center());
    dialog->move(frame.topLeft());
    dialog->raise();
    dialog->activateWindow();
  }
}

QDialog* Windows::dialogFor(const Form& form) {
  if (form.name() == infofenst_->objectName().toStdString()) return infofenst_;
  if (form.name() == langForm_->objectName().toStdString()) return langForm_;
  return nullptr;
}

WindowBindings::WindowBindings(Windows& windows, Application& app) : windows_(windows) {
  windows.main().attach(&app.form1());
  windows.infofenst().attach(&app.infofenst());
  windows.langForm().attach(&app.langForm());
  binders_.push_back(std::make_unique<Binder>(app.form1(), windows.main()));
  binders_.push_back(std::make_unique<Binder>(app.infofenst(), windows.infofenst()));
  binders_.push_back(std::make_unique<Binder>(app.langForm(), windows.langForm()));
}

WindowBindings::~WindowBindings() {
  windows_.main().attach(nullptr);
  windows_.infofenst().attach(nullptr);
  windows_.langForm().attach(nullptr);
}

QStringList WindowBindings::problems() const {
  QStringList all;
  for (const auto& binder : binders_) all << binder->problems();
  return all;
}

}  // namespace q6::ui
