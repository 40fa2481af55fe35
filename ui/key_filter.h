#pragma once

#include <QObject>

namespace q6::ui {

// Applies the main window's key rule to every edit field it is installed on.
class EditKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace q6::ui
