#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/widgets/form.h"

class QWidget;
class QTimer;

namespace q6::ui {

// Joins every control of a window model to the widget of the same objectName: the model's
// changes reach the widget, the user's actions reach the model, and neither echoes back.
// Timer models get a QTimer of their own.
class Binder : public QObject {
 public:
  Binder(Form& form, QWidget& root);
  ~Binder() override;

  // Controls without a fitting widget, and named widgets of a bindable kind that no control
  // claims. Empty when model and layout agree.
  const QStringList& problems() const { return problems_; }

  // Widget class that shows a control kind (for diagnostics and tests).
  static QString expectedClass(ControlKind kind);

 private:
  struct Binding;
  struct SpokenName;
  void bind(Control& control, QObject* target);
  void apply(Binding& binding, Property property);
  void applyAll(Binding& binding);
  void connectUserActions(Binding& binding);
  void findUnboundWidgets();
  void nameAfterCaptions();
  static void applyName(const SpokenName& spoken);

  Form& form_;
  QWidget& root_;
  std::vector<std::unique_ptr<Binding>> bindings_;
  std::vector<SpokenName> spokenNames_;
  QStringList problems_;
};

// Whether a widget of this class may show a control of this kind.
bool WidgetFits(ControlKind kind, const QObject& widget);

}  // namespace q6::ui
