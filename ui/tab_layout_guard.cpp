#include "ui/tab_layout_guard.h"

#include <QEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace q6::ui {

TabLayoutGuard::TabLayoutGuard(QTabWidget& tabs) : QObject(&tabs), tabs_(tabs) {
  laidOutBy_ = current();
  tabs.installEventFilter(this);
}

TabLayoutGuard::Sizes TabLayoutGuard::current() const {
  // The pages live in the tab widget's own stack.
  const auto* pages = tabs_.findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
  return {.tabBar = tabs_.tabBar()->sizeHint(),
          .tabBarMinimum = tabs_.tabBar()->minimumSizeHint(),
          .pages = pages ? pages->sizeHint() : QSize(),
          .pagesMinimum = pages ? pages->minimumSizeHint() : QSize()};
}

bool TabLayoutGuard::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &tabs_ || event->type() != QEvent::LayoutRequest) return false;
  const Sizes now = current();
  if (now == laidOutBy_) return true;
  laidOutBy_ = now;
  return false;
}

}  // namespace q6::ui
