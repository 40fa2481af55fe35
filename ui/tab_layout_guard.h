#pragma once

#include <QObject>
#include <QSize>

class QTabWidget;

namespace q6::ui {

// A tab widget lays itself out again, and repaints all it shows, whenever anything on its current
// page asks for a new layout: a label does at every new text, so a live page was repainted whole
// each second. The guard lets a layout request through only when the sizes the tab widget lays
// out by have changed (those of its tab bar and of its pages); others would give the same layout.
class TabLayoutGuard : public QObject {
 public:
  // Watches `tabs` for as long as it lives.
  explicit TabLayoutGuard(QTabWidget& tabs);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Sizes {
    QSize tabBar;
    QSize tabBarMinimum;
    QSize pages;
    QSize pagesMinimum;
    bool operator==(const Sizes&) const = default;
  };
  Sizes current() const;

  QTabWidget& tabs_;
  Sizes laidOutBy_;
};

}  // namespace q6::ui
