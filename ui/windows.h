#pragma once

#include <QDialog>
#include <QMainWindow>
#include <memory>

#include "core/shell/application.h"
#include "ui/binder.h"
#include "ui/key_filter.h"

namespace Ui {
class Form1;
class Infofenst;
class lang_form;
}  // namespace Ui

namespace q6::ui {

// The main window: closing runs the model's close handler, showing its show handler.
class MainWindowView : public QMainWindow {
 public:
  MainWindowView();
  ~MainWindowView() override;
  void attach(TForm1* form);
  void restore();
  void centre();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Arrow keys and the mouse wheel go to the window model first, whatever control has focus.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<Ui::Form1> ui_;
  TForm1* form_ = nullptr;
  EditKeyFilter keyFilter_;
};

// A dialog window whose closing by the user hides its model too.
class DialogView : public QDialog {
 public:
  explicit DialogView(QWidget* parent) : QDialog(parent) {}
  void attach(Form* form);

 protected:
  void done(int result) override;

 private:
  Form* form_ = nullptr;
};

// The program's windows, built from their layout files and bound to the window models.
class Windows {
 public:
  Windows();
  ~Windows();

  MainWindowView& main() { return main_; }
  DialogView& infofenst() { return *infofenst_; }
  DialogView& langForm() { return *langForm_; }
  QDialog* dialogFor(const Form& form);
  // Shows the main window centred, with a dialog the start-up opened on top of it.
  void showMain();

 private:
  MainWindowView main_;
  DialogView* infofenst_;
  DialogView* langForm_;
  std::unique_ptr<Ui::Infofenst> infoUi_;
  std::unique_ptr<Ui::lang_form> langUi_;
};

// Every window bound to its model. Made before the models start, so the start-up shows; ends
// before the models do.
class WindowBindings {
 public:
  WindowBindings(Windows& windows, Application& app);
  ~WindowBindings();
  QStringList problems() const;

 private:
  Windows& windows_;
  std::vector<std::unique_ptr<Binder>> binders_;
};

}  // namespace q6::ui
